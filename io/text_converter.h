// GBK (code page 936) and UTF-16 to UTF-8 through the platform's own
// converter: iconv on glibc, MultiByteToWideChar and WideCharToMultiByte on
// Windows (the Windows program is linked statically and has no iconv).
#ifndef BRACING_IO_TEXT_CONVERTER_H
#define BRACING_IO_TEXT_CONVERTER_H

#include <string>

enum class InputEncoding { Utf8, Gbk, Utf16LE, Utf16BE };

enum class ConvertStop {
    Done,     // everything converted
    Cut,      // stopped before a character that the end cuts short
    Invalid,  // stopped at bytes not valid in the encoding
};

class TextConverter {
public:
    // `from` is not Utf8.
    explicit TextConverter(InputEncoding from);
    ~TextConverter();
    TextConverter(const TextConverter&) = delete;
    TextConverter& operator=(const TextConverter&) = delete;

    // Converts from `in` on towards `end`, appending UTF-8 to `out`, and
    // moves `in` past what it converted.
    ConvertStop Convert(const char*& in, const char* end, std::string& out);

private:
#ifdef _WIN32
    InputEncoding from_;
    std::wstring wide_;
#else
    void* iconv_;  // an iconv_t
#endif
};

#endif
