// A path as written by the user or the program: classified, completed to a full path and split
// into root, folder and file name; also file sizes and folder scans.
#pragma once

#include "KString.h"
#include "KStringList.h"

class KPath {
public:
    enum Kind { Invalid = 0, Local = 1, Network = 2, Url = 3 };
    enum { FullNameSize = 1024 };

    KPath();
    virtual ~KPath();

#ifdef _WIN32
    // Stores and classifies the path; a local path is completed by the system. Returns the kind
    // (Invalid when the path cannot be completed, or its full form does not fit).
    int Set(const char* path);
    // True when the file or folder exists.
    bool Exists(const char* name);
    // Appends the matches of a wildcard pattern such as "music\*.mp3" to list, as the pattern's
    // folder + name (folders with a trailing "\"), optionally from the sub-folders too; returns
    // how many it appended.
    int FindFiles(KStringList& list, const char* pattern, bool recurse, bool folders, bool files);
#endif

    // The length of a file in bytes, or -1 when it cannot be opened.
    static int FileSize(const char* name);

    // Drive and backslash, or the protocol and host, or the server of a network path.
    KString GetRoot() const;
    KString GetFileName() const;
    // Between root and file name; with the folder flag set it keeps the separator before the name.
    KString GetFolder() const;

    int GetKind() const { return m_kind; }
    const KString& GetInput() const { return m_input; }
    const KString& GetFull() const { return m_full; }

protected:
    // URL ("://" at position 1 or later) or network path ("//" first): the full path is the input.
    int ClassifyRemote(const char* path);

    char m_fullName[FullNameSize];
    bool m_folder;
    KString m_input;
    KString m_full;
    int m_kind;
};
