#include "printout.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace qbktest {

namespace {

std::string PrintoutPath()
{
    const char* path = std::getenv("ZV_PRINT_OUT");
    return path ? path : "";
}

// "Z:\a\b" as the Unix programs see it: "/a/b".
std::string UnixPath(const std::string& path)
{
    std::string unix = path.size() > 2 && path[1] == ':' ? path.substr(2) : path;
    for (char& c : unix)
        if (c == '\\') c = '/';
    return unix;
}

// Starts a program of the system beside Wine and waits until it has written the output file whole
// (Wine cannot wait for such a program itself).
bool RunTool(const std::string& commandLine, const std::string& output)
{
    DeleteFileA(output.c_str());
    STARTUPINFOA start = {};
    start.cb = sizeof start;
    PROCESS_INFORMATION process = {};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start, &process))
        return false;
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    size_t last = 0;
    return zvtest::WaitFor(
        [&] {
            const size_t size = zvtest::ReadFileBytes(output).size();
            const bool settled = size > 0 && size == last;
            last = size;
            if (!settled) Sleep(100);
            return settled;
        },
        30000);
}

std::string ReadText(const std::string& path)
{
    const std::vector<uint8_t> bytes = zvtest::ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

std::string Scratch(const char* name) { return zvtest::TempDir() + name; }

}  // namespace

bool HasPrinter() { return !PrintoutPath().empty(); }

void ForgetPrintout() { DeleteFileA(PrintoutPath().c_str()); }

bool WaitForPrintout(DWORD timeoutMs)
{
    // The scheduler writes the file while its filters run: complete once its PDF has ended (the
    // driver wraps it in printer commands)
    // and it stays the same.
    size_t last = 0;
    return zvtest::WaitFor(
        [&] {
            const std::vector<uint8_t> bytes = zvtest::ReadFileBytes(PrintoutPath());
            const std::string tail(bytes.end() - std::min<size_t>(bytes.size(), 512), bytes.end());
            const bool whole = tail.find("%%EOF") != std::string::npos && bytes.size() == last;
            last = bytes.size();
            if (!whole) Sleep(100);
            return whole && !bytes.empty();
        },
        timeoutMs);
}

std::string PrintedText(bool layout)
{
    const std::string out = Scratch("printout.txt");
    RunTool(std::string("Z:\\usr\\bin\\pdftotext ") + (layout ? "-layout " : "") + UnixPath(PrintoutPath()) + " " +
                UnixPath(out),
            out);
    return ReadText(out);
}

int PrintedPages()
{
    const std::string text = PrintedText();
    int pages = 0;
    for (char c : text) pages += c == '\f';
    return pages;
}

zvtest::Image PrintedPage(int page, int dpi)
{
    const std::string prefix = Scratch("printout");
    const std::string out = prefix + ".ppm";
    const std::string number = std::to_string(page);
    RunTool("Z:\\usr\\bin\\pdftoppm -r " + std::to_string(dpi) + " -f " + number + " -l " + number + " -singlefile " +
                UnixPath(PrintoutPath()) + " " + UnixPath(prefix),
            out);
    // A binary PPM: "P6", width, height, 255, then red, green and blue bytes.
    const std::vector<uint8_t> bytes = zvtest::ReadFileBytes(out);
    zvtest::Image image;
    int width = 0, height = 0, maximum = 0, used = 0;
    if (bytes.size() < 16 || std::sscanf(reinterpret_cast<const char*>(bytes.data()), "P6 %d %d %d%n", &width, &height,
                                         &maximum, &used) != 3)
        return image;
    const size_t start = size_t(used) + 1;
    if (bytes.size() < start + size_t(width) * height * 3) return image;
    image.width = width;
    image.height = height;
    image.pixels.resize(size_t(width) * height);
    for (size_t i = 0; i < image.pixels.size(); ++i) {
        const uint8_t* p = &bytes[start + i * 3];
        image.pixels[i] = uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
    }
    return image;
}

}  // namespace qbktest
