// The few things that differ on Windows, behind one face: piped or
// redirected input and the output carry bytes unchanged (no CRLF
// translation either way), text shows right on a console whatever its
// code page, and file names are UTF-8 whatever the code page.
#ifndef BRACING_IO_BYTE_STREAMS_H
#define BRACING_IO_BYTE_STREAMS_H

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// For the life of the object.
class ByteStreams {
public:
    ByteStreams();
    ~ByteStreams();
    ByteStreams(const ByteStreams&) = delete;
    ByteStreams& operator=(const ByteStreams&) = delete;
};

// Writes `size` bytes of UTF-8 text to `file`. Where `file` is a Windows
// console, as UTF-16 through WriteConsoleW, so that it reads right in any
// console code page (936 or 437 as well as 65001); to files and pipes, and
// elsewhere, the bytes as they are. False with errno set when it failed.
bool WriteText(std::FILE* file, const char* text, std::size_t size);

// Opens the file named `path` (UTF-8) to read bytes; null with errno set
// when it cannot be opened.
std::FILE* OpenForReading(const std::string& path);

#ifdef _WIN32
// The arguments of wmain after the program name, in UTF-8.
std::vector<std::string> Utf8Arguments(int argc, wchar_t** argv);
// A UTF-8 file name as Windows' wide calls take it; empty when it is not UTF-8.
std::wstring WidePath(const std::string& path);
// Wide text from Windows' calls in UTF-8.
std::string Utf8Text(std::wstring_view wide);
// What the system says about the error `code` (of GetLastError), in UTF-8.
std::string SystemMessage(unsigned long code);
#endif

#endif
