#include "io/byte_streams.h"

#ifdef _WIN32

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>

namespace {

// UTF-8 as UTF-16; with MB_ERR_INVALID_CHARS in `flags`, empty when it is not UTF-8.
std::wstring WideText(std::string_view text, DWORD flags) {
    const int length = static_cast<int>(text.size());
    const int size = MultiByteToWideChar(CP_UTF8, flags, text.data(), length, nullptr, 0);
    if (size <= 0) {
        return std::wstring();
    }
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, flags, text.data(), length, &wide[0], size);
    return wide;
}

}  // namespace

ByteStreams::ByteStreams() {
    // Typing at the console keeps text mode, where Ctrl+Z ends the input.
    if (!_isatty(_fileno(stdin))) {
        _setmode(_fileno(stdin), _O_BINARY);
    }
    _setmode(_fileno(stdout), _O_BINARY);
}

ByteStreams::~ByteStreams() {
    std::fflush(stdout);
    std::fflush(stderr);
}

bool WriteText(std::FILE* file, const char* text, std::size_t size) {
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    DWORD mode = 0;
    if (handle == INVALID_HANDLE_VALUE || !GetConsoleMode(handle, &mode)) {
        return std::fwrite(text, 1, size, file) == size;
    }
    if (std::fflush(file) != 0) {
        return false;
    }
    // Bytes not valid UTF-8 show as U+FFFD, as they do in the output.
    const std::wstring wide = WideText(std::string_view(text, size), 0);
    constexpr std::size_t kPiece = 8192;  // consoles take limited writes
    for (std::size_t at = 0; at < wide.size();) {
        DWORD written = 0;
        const std::size_t left = wide.size() - at;
        const DWORD piece = static_cast<DWORD>(left < kPiece ? left : kPiece);
        if (!WriteConsoleW(handle, wide.data() + at, piece, &written, nullptr) || written == 0) {
            errno = EIO;
            return false;
        }
        at += written;
    }
    return true;
}

std::wstring WidePath(const std::string& path) { return WideText(path, MB_ERR_INVALID_CHARS); }

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

bool WriteText(std::FILE* file, const char* text, std::size_t size) {
    return std::fwrite(text, 1, size, file) == size;
}

std::FILE* OpenForReading(const std::string& path) { return std::fopen(path.c_str(), "rb"); }

#endif
