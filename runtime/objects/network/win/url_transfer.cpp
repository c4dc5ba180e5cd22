#include "url_transfer.h"

#include <commctrl.h>
#include <wininet.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "download_progress.h"

namespace {

constexpr DWORD kReadBlock = 10000;
constexpr int kMaxFailedReads = 10;
constexpr DWORD kUploadBlock = 1024;
constexpr int kProgressBarId = 2999;

// An Internet handle closed with its owner's scope.
struct InternetHandle {
    HINTERNET Handle = nullptr;
    explicit InternetHandle(HINTERNET handle = nullptr) : Handle(handle) {}
    ~InternetHandle()
    {
        if (Handle) ::InternetCloseHandle(Handle);
    }
    InternetHandle(const InternetHandle&) = delete;
    InternetHandle& operator=(const InternetHandle&) = delete;
    explicit operator bool() const { return Handle != nullptr; }
};

HINTERNET OpenSession() { return ::InternetOpenA(kInternetAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0); }

HINTERNET OpenUrl(HINTERNET session, const char* url)
{
    return ::InternetOpenUrlA(session, url, nullptr, 0, INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0);
}

bool EscapePressed() { return ::GetAsyncKeyState(VK_ESCAPE) < 0; }

// What the server said of the answer: whether its status allows the content, and the length it
// announced (0 with known false when it gave none). Answers of other protocols have no status.
struct Answer {
    bool Acceptable = true;
    bool LengthKnown = false;
    uint64_t Length = 0;
};

Answer ReadAnswer(HINTERNET request)
{
    Answer answer;
    DWORD status = 0, size = sizeof status;
    if (::HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr))
        answer.Acceptable = status >= 200 && status < 300;
    char text[32] = "";
    size = sizeof text;
    if (::HttpQueryInfoA(request, HTTP_QUERY_CONTENT_LENGTH, text, &size, nullptr))
        answer.LengthKnown = ParseContentLength(text, answer.Length);
    return answer;
}

// Reads the whole content, block by block, into sink; false when reads keep failing (more than
// allowed, in a row or in all), a cancel, or the content ends short of its announced length.
template <class Sink>
bool ReadContent(HINTERNET request, const Answer& answer, bool failuresInARow, bool cancellable, Sink&& sink)
{
    std::vector<char> block(kReadBlock);
    uint64_t received = 0;
    int failures = 0;
    for (;;) {
        DWORD read = 0;
        if (!::InternetReadFile(request, block.data(), kReadBlock, &read)) {
            if (++failures >= kMaxFailedReads) return false;
            continue;
        }
        if (failuresInARow) failures = 0;
        if (cancellable && EscapePressed()) return false;
        if (read == 0) break;
        received += read;
        if (!sink(block.data(), read, received)) return false;
    }
    return !answer.LengthKnown || received == answer.Length;
}

bool ReadLocalFile(const char* path, CMemFile& file, uint64_t maxBytes)
{
    FILE* source = std::fopen(path, "rb");
    if (!source) return false;
    std::vector<char> block(64 * 1024);
    size_t n;
    uint64_t total = 0;
    bool ok = true;
    try {
        while (ok && (n = std::fread(block.data(), 1, block.size(), source)) > 0) {
            total += n;
            ok = total <= maxBytes;
            if (ok) file.Write(block.data(), UINT(n));
        }
    } catch (...) {
        ok = false;
    }
    ok = ok && !std::ferror(source);
    std::fclose(source);
    return ok;
}

// The small window that shows how far a download is.
class ProgressWindow {
public:
    ProgressWindow(HWND owner, uint64_t total) : m_total(total)
    {
        const int left = ::GetSystemMetrics(SM_CXSCREEN) / 2 - 150;
        const int top = ::GetSystemMetrics(SM_CYSCREEN) / 2 - 30;
        m_window = ::CreateWindowExA(0, "QUILLBRICKEMPTY", DownloadTitle(0, total).c_str(), WS_BORDER, left, top, 300,
                                     100, owner, nullptr, ::GetModuleHandleA(nullptr), nullptr);
        if (!m_window) return;
        m_bar = ::CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, 5, 5, 280, 30, m_window,
                                  HMENU(INT_PTR(kProgressBarId)), ::GetModuleHandleA(nullptr), nullptr);
        ::SendMessageA(m_bar, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
        ::SendMessageA(m_bar, PBM_SETPOS, 0, 0);
        RECT fit = {0, 0, 290, 40};
        ::AdjustWindowRectEx(&fit, DWORD(::GetWindowLongPtrA(m_window, GWL_STYLE)), FALSE, 0);
        ::SetWindowPos(m_window, nullptr, 0, 0, fit.right - fit.left, fit.bottom - fit.top,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        ::ShowWindow(m_window, SW_SHOW);
        ::UpdateWindow(m_window);
    }
    ~ProgressWindow()
    {
        if (m_window) ::DestroyWindow(m_window);
    }
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

    void Show(uint64_t received)
    {
        // The window changes once a percent, or every megabyte of a download of unknown size.
        const uint64_t step = m_total ? m_total / 100 + 1 : 1024 * 1024;
        if (!m_window || received / step == m_shown / step) return;
        m_shown = received;
        ::SendMessageA(m_bar, PBM_SETPOS, WPARAM(DownloadPercent(received, m_total)), 0);
        ::SetWindowTextA(m_window, DownloadTitle(received, m_total).c_str());
        // Only this window's own messages: nothing of the project runs meanwhile.
        MSG message;
        while (::PeekMessageA(&message, m_window, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
        while (::PeekMessageA(&message, m_bar, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
    }

private:
    uint64_t m_total;
    uint64_t m_shown = 0;
    HWND m_window = nullptr;
    HWND m_bar = nullptr;
};

// A file created beside the target, removed again unless it was made the target.
class TemporaryTarget {
public:
    explicit TemporaryTarget(const std::string& target)
    {
        const size_t slash = target.find_last_of("\\/");
        const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
        char name[MAX_PATH];
        if (!::GetTempFileNameA(folder.c_str(), "qbk", 0, name)) return;
        m_path = name;
        m_file = ::CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    ~TemporaryTarget()
    {
        Close();
        if (!m_path.empty()) ::DeleteFileA(m_path.c_str());
    }
    TemporaryTarget(const TemporaryTarget&) = delete;
    TemporaryTarget& operator=(const TemporaryTarget&) = delete;

    bool IsOpen() const { return m_file != INVALID_HANDLE_VALUE; }
    bool Write(const char* bytes, DWORD count)
    {
        DWORD written = 0;
        return ::WriteFile(m_file, bytes, count, &written, nullptr) && written == count;
    }
    // Replaces the target with the finished file.
    bool Replace(const char* target)
    {
        Close();
        if (!::MoveFileExA(m_path.c_str(), target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED)) return false;
        m_path.clear();
        return true;
    }

private:
    void Close()
    {
        if (m_file != INVALID_HANDLE_VALUE) ::CloseHandle(m_file);
        m_file = INVALID_HANDLE_VALUE;
    }
    std::string m_path;
    HANDLE m_file = INVALID_HANDLE_VALUE;
};

}  // namespace

bool ReadUrlToMemory(const char* url, CMemFile* file, uint64_t maxBytes)
{
    if (!file) return false;
    file->SetLength(0);
    InternetHandle session(OpenSession());
    if (!session || !url) return false;
    InternetHandle request(OpenUrl(session.Handle, url));
    bool read = false;
    if (!request) {
        read = ReadLocalFile(url, *file, maxBytes);
    } else {
        const Answer answer = ReadAnswer(request.Handle);
        read = answer.Acceptable &&
               ReadContent(request.Handle, answer, true, false, [&](const char* bytes, DWORD n, uint64_t received) {
                   if (received > maxBytes) return false;
                   try {
                       file->Write(bytes, n);
                   } catch (...) {
                       return false;
                   }
                   return true;
               });
    }
    if (!read) file->SetLength(0);
    file->Seek(0, CFile::begin);
    return read;
}

bool DownloadFile(HWND owner, const char* url, const char* path)
{
    if (!owner || !url || !path) return false;
    if (::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES &&
        ::MessageBoxA(owner, "The target file already exists. Do you want to overwrite it ?", "Overwrite",
                      MB_YESNO | MB_ICONQUESTION) != IDYES)
        return false;
    TemporaryTarget target(path);
    if (!target.IsOpen()) return false;
    InternetHandle session(OpenSession());
    InternetHandle request(session ? OpenUrl(session.Handle, url) : nullptr);
    if (!request) return false;
    const Answer answer = ReadAnswer(request.Handle);
    if (!answer.Acceptable) return false;
    ProgressWindow progress(owner, answer.Length);
    const bool complete =
        ReadContent(request.Handle, answer, false, true, [&](const char* bytes, DWORD n, uint64_t received) {
            if (!target.Write(bytes, n)) return false;
            progress.Show(received);
            return true;
        });
    return complete && target.Replace(path);
}

bool FtpUpload(const char* host, int port, const char* user, const char* password, const char* remotePath,
               CFile& stream)
{
    const ULONGLONG kept = stream.GetPosition();
    InternetHandle session(OpenSession());
    if (!session) return false;
    InternetHandle connection(::InternetConnectA(session.Handle, host, INTERNET_PORT(port), user, password,
                                                 INTERNET_SERVICE_FTP, INTERNET_FLAG_PASSIVE, 0));
    if (!connection) return false;
    HINTERNET remote = ::FtpOpenFileA(connection.Handle, remotePath, GENERIC_WRITE, FTP_TRANSFER_TYPE_BINARY, 0);
    if (!remote) return false;
    stream.Seek(0, CFile::begin);
    bool whole = true;
    char block[kUploadBlock];
    while (stream.GetPosition() < stream.GetLength()) {
        const UINT read = stream.Read(block, kUploadBlock);
        DWORD written = 0;
        if (read == 0 || EscapePressed() || !::InternetWriteFile(remote, block, read, &written) || written != read) {
            whole = false;
            break;
        }
    }
    // Closing the file ends the transfer; the server's answer to it says whether it kept the file.
    const bool taken = ::InternetCloseHandle(remote) != FALSE;
    stream.Seek(LONGLONG(kept), CFile::begin);
    // A part of the file is no use to anyone on the server.
    if (!whole) ::FtpDeleteFileA(connection.Handle, remotePath);
    return whole && taken;
}

bool IsInternetConnected() { return ::InternetCheckConnectionA(nullptr, 0, 0) != FALSE; }
