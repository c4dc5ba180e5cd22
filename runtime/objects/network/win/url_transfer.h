// Reading a URL into memory, downloading it into a file with a small progress window, and
// uploading bytes to an FTP server, through the system's Internet functions. An HTTP answer that
// is an error status, or that ends before the length it announced, is a failure, never content
// (Windows only).
#pragma once

#include <windows.h>

#include <cstdint>

#include "fw_file.h"

// The agent name the program gives servers.
constexpr char kInternetAgent[] = "qbk";

// Empties file and fills it with the URL's content (or, when the text cannot be opened as a URL,
// with the local file it names), left at position 0; false, and the file empty, on a failure,
// content longer than maxBytes among them.
bool ReadUrlToMemory(const char* url, CMemFile* file, uint64_t maxBytes);

// Downloads the URL into path, asking before an existing file is replaced and showing the
// progress meanwhile (Escape cancels). The bytes go to a temporary file beside the target that
// replaces it only once the whole content has arrived; false, and the old file untouched, on any
// failure or a cancel.
bool DownloadFile(HWND owner, const char* url, const char* path);

// Writes the stream's bytes from its start to remotePath on the FTP server (Escape cancels); the
// stream's position is kept. True when every byte was written and the server took the file; an
// upload that stops half-way removes what it wrote.
bool FtpUpload(const char* host, int port, const char* user, const char* password, const char* remotePath,
               CFile& stream);

// Whether the system says the machine can reach the Internet.
bool IsInternetConnected();
