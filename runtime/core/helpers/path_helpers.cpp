#include "path_helpers.h"

int FindLastSeparator(const CString& path)
{
    int at = path.ReverseFind('\\');
    return at >= 0 ? at : path.ReverseFind('/');
}

int FindFirstSeparator(const CString& path)
{
    int at = path.Find('\\');
    return at >= 0 ? at : path.Find('/');
}

CString GetFileName(const CString& path) { return path.Mid(FindLastSeparator(path) + 1); }

CString GetFileTitle(const CString& path)
{
    int sep = FindLastSeparator(path);
    int dot = path.ReverseFind('.');
    if (dot > sep) return path.Mid(sep + 1, dot - sep - 1);
    return path.Mid(sep + 1);
}

CString GetFileExtPart(const CString& path)
{
    int dot = path.ReverseFind('.');
    return dot > FindLastSeparator(path) ? path.Mid(dot) : CString();
}

CString GetPathWithoutExtension(const CString& path)
{
    int dot = path.ReverseFind('.');
    return dot > FindLastSeparator(path) ? path.Left(dot) : CString();
}

CString GetDrive(const CString& path)
{
    int colon = path.Find(':');
    if (colon >= 0) return path.Left(colon + 1) + "\\";
    if (path.GetLength() < 2) return CString();
    if (path[0] == '\\' && path[1] == '\\') return "\\";
    if (path[0] == '/' && path[1] == '/') return "/";
    return CString();
}

CString GetFolderWithoutDrive(const CString& path)
{
    int first = FindFirstSeparator(path);
    int last = FindLastSeparator(path);
    if (first < 0 || last <= first) return CString();
    return path.Mid(first + 1, last - first);
}
