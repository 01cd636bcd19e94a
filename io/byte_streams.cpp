#include "io/byte_streams.h"

#ifdef _WIN32

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>

ByteStreams::ByteStreams() {
    // Typing at the console keeps text mode, where Ctrl+Z ends the input.
    if (!_isatty(_fileno(stdin))) {
        _setmode(_fileno(stdin), _O_BINARY);
    }
    _setmode(_fileno(stdout), _O_BINARY);
    const UINT codePage = GetConsoleOutputCP();
    if (codePage != 0 && codePage != CP_UTF8 && SetConsoleOutputCP(CP_UTF8)) {
        consoleOutputCodePage_ = codePage;
    }
}

ByteStreams::~ByteStreams() {
    std::fflush(stdout);
    std::fflush(stderr);
    if (consoleOutputCodePage_ != 0) {
        SetConsoleOutputCP(consoleOutputCodePage_);
    }
}

std::wstring WidePath(const std::string& path) {
    const int size = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(),
                                         static_cast<int>(path.size()), nullptr, 0);
    if (size <= 0) {
        return std::wstring();
    }
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), static_cast<int>(path.size()),
                        &wide[0], size);
    return wide;
}

std::FILE* OpenForReading(const std::string& path) {
    const std::wstring widePath = WidePath(path);
    if (widePath.empty()) {
        errno = ENOENT;
        return nullptr;
    }
    return _wfopen(widePath.c_str(), L"rb");
}

std::string Utf8Text(std::wstring_view wide) {
    const int length = static_cast<int>(wide.size());
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0) {
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, &text[0], size, nullptr, nullptr);
    }
    return text;
}

std::string SystemMessage(unsigned long code) {
    wchar_t* text = nullptr;
    const DWORD size = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string message;
    if (size > 0) {
        message = Utf8Text(std::wstring_view(text, size));
        LocalFree(text);
    }
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == '.')) {
        message.pop_back();
    }
    return message.empty() ? "error " + std::to_string(code) : message;
}

std::vector<std::string> Utf8Arguments(int argc, wchar_t** argv) {
    std::vector<std::string> arguments;
    for (int k = 1; k < argc; ++k) {
        arguments.push_back(Utf8Text(argv[k]));
    }
    return arguments;
}

#else

ByteStreams::ByteStreams() = default;

ByteStreams::~ByteStreams() = default;

std::FILE* OpenForReading(const std::string& path) { return std::fopen(path.c_str(), "rb"); }

#endif
