#include "io/text_converter.h"

#ifdef _WIN32

#include <windows.h>

namespace {

constexpr UINT kGbkCodePage = 936;

bool IsHighSurrogate(unsigned unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(unsigned unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

void AppendUtf8(const std::wstring& wide, std::string& out) {
    if (wide.empty()) {
        return;
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(size));
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &out[at], size,
                        nullptr, nullptr);
}

// Appends the UTF-16 of the GBK text [from, to) to `wide`; false, leaving
// `wide` as it was, when the code page has no character for some of it.
bool AppendGbk(const char* from, const char* to, std::wstring& wide) {
    const int size = static_cast<int>(to - from);
    const int wideSize = MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, from, size, nullptr, 0);
    if (wideSize <= 0) {
        return false;
    }
    const std::size_t at = wide.size();
    wide.resize(at + static_cast<std::size_t>(wideSize));
    MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, from, size, &wide[at], wideSize);
    return true;
}

// The size of the GBK character at `from`: 2 after a lead byte, else 1.
int GbkCharacterSize(const char* from) { return IsDBCSLeadByteEx(kGbkCodePage, static_cast<BYTE>(*from)) ? 2 : 1; }

}  // namespace

TextConverter::TextConverter(InputEncoding from) : from_(from) {}

TextConverter::~TextConverter() = default;

ConvertStop TextConverter::Convert(const char*& in, const char* end, std::string& out) {
    wide_.clear();
    ConvertStop stop = ConvertStop::Done;
    const char* p = in;
    if (from_ == InputEncoding::Gbk) {
        // Whole characters only, converted as one run; one at a time only
        // to find the first that is not valid.
        const char* run = p;
        for (; p != end; p += GbkCharacterSize(p)) {
            if (end - p < GbkCharacterSize(p)) {
                stop = ConvertStop::Cut;
                break;
            }
        }
        if (p != run && !AppendGbk(run, p, wide_)) {
            const char* whole = p;
            for (p = run; p != whole && AppendGbk(p, p + GbkCharacterSize(p), wide_);
                 p += GbkCharacterSize(p)) {
            }
            stop = ConvertStop::Invalid;
        }
    } else {
        const bool bigEndian = from_ == InputEncoding::Utf16BE;
        auto unitAt = [bigEndian](const char* at) {
            const unsigned first = static_cast<unsigned char>(at[0]);
            const unsigned second = static_cast<unsigned char>(at[1]);
            return bigEndian ? first << 8 | second : second << 8 | first;
        };
        for (; end - p >= 2; p += 2) {
            const unsigned unit = unitAt(p);
            if (IsHighSurrogate(unit)) {
                if (end - p < 4) {
                    stop = ConvertStop::Cut;
                    break;
                }
                if (!IsLowSurrogate(unitAt(p + 2))) {
                    stop = ConvertStop::Invalid;
                    break;
                }
                wide_.push_back(static_cast<wchar_t>(unit));
                p += 2;
                wide_.push_back(static_cast<wchar_t>(unitAt(p)));
            } else if (IsLowSurrogate(unit)) {
                stop = ConvertStop::Invalid;
                break;
            } else {
                wide_.push_back(static_cast<wchar_t>(unit));
            }
        }
        if (stop == ConvertStop::Done && p != end) {
            stop = ConvertStop::Cut;  // half a unit
        }
    }
    AppendUtf8(wide_, out);
    in = p;
    return stop;
}

#else

#include <iconv.h>

#include <cerrno>

namespace {

iconv_t Handle(void* handle) { return static_cast<iconv_t>(handle); }

const char* IconvName(InputEncoding encoding) {
    switch (encoding) {
    case InputEncoding::Gbk:
        return "GBK";
    case InputEncoding::Utf16LE:
        return "UTF-16LE";
    case InputEncoding::Utf16BE:
        return "UTF-16BE";
    case InputEncoding::Utf8:
        break;
    }
    return "UTF-8";
}

}  // namespace

TextConverter::TextConverter(InputEncoding from)
    : iconv_(iconv_open("UTF-8", IconvName(from))) {}

TextConverter::~TextConverter() {
    if (Handle(iconv_) != reinterpret_cast<iconv_t>(-1)) {
        iconv_close(Handle(iconv_));
    }
}

ConvertStop TextConverter::Convert(const char*& in, const char* end, std::string& out) {
    if (Handle(iconv_) == reinterpret_cast<iconv_t>(-1)) {
        return in == end ? ConvertStop::Done : ConvertStop::Invalid;  // no converter here
    }
    char buffer[4096];
    while (in != end) {
        char* from = const_cast<char*>(in);  // iconv's signature; it does not write there
        std::size_t fromLeft = static_cast<std::size_t>(end - in);
        char* to = buffer;
        std::size_t toLeft = sizeof buffer;
        const std::size_t result = iconv(Handle(iconv_), &from, &fromLeft, &to, &toLeft);
        out.append(buffer, static_cast<std::size_t>(to - buffer));
        in = from;
        if (result != static_cast<std::size_t>(-1) || errno == E2BIG) {
            continue;
        }
        return errno == EINVAL ? ConvertStop::Cut : ConvertStop::Invalid;
    }
    return ConvertStop::Done;
}

#endif
