#include "byte_streams.h"

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

std::FILE* OpenForReading(const std::string& path) {
    const int size = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(),
                                         static_cast<int>(path.size()), nullptr, 0);
    if (size <= 0) {
        errno = ENOENT;
        return nullptr;
    }
    std::vector<wchar_t> widePath(static_cast<std::size_t>(size) + 1, L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), static_cast<int>(path.size()),
                        widePath.data(), size);
    return _wfopen(widePath.data(), L"rb");
}

std::vector<std::string> Utf8Arguments(int argc, wchar_t** argv) {
    std::vector<std::string> arguments;
    for (int k = 1; k < argc; ++k) {
        std::string argument;
        const int size = WideCharToMultiByte(CP_UTF8, 0, argv[k], -1, nullptr, 0, nullptr, nullptr);
        if (size > 1) {
            argument.resize(static_cast<std::size_t>(size));
            WideCharToMultiByte(CP_UTF8, 0, argv[k], -1, &argument[0], size, nullptr, nullptr);
            argument.pop_back();  // the terminating zero
        }
        arguments.push_back(argument);
    }
    return arguments;
}

#else

ByteStreams::ByteStreams() = default;

ByteStreams::~ByteStreams() = default;

std::FILE* OpenForReading(const std::string& path) { return std::fopen(path.c_str(), "rb"); }

#endif
