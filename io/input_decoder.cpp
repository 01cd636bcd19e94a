#include "io/input_decoder.h"

#include "io/utf8_sequence.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string_view>

namespace {

const char kUtf8ByteOrderMark[] = "\xEF\xBB\xBF";
const char kReplacementCharacter[] = "\xEF\xBF\xBD";  // U+FFFD
// How the files a spreadsheet saves on its own start: ZIP (.xlsx) and OLE
// compound files (.xls).
const std::string_view kWorkbookStarts[] = {"PK\x03\x04", "\xD0\xCF\x11\xE0"};

bool IsAscii(char c) { return static_cast<unsigned char>(c) < 0x80; }

}  // namespace

InputDecoder::InputDecoder(ByteSource& source, EncodingChoice choice, std::size_t blockSize)
    : source_(source), choice_(choice), in_(std::max<std::size_t>(blockSize, 4)) {}

// Moves what is left to the front and reads until the block is full or the
// input ends. Returns whether anything was read.
bool InputDecoder::Fill() {
    std::memmove(in_.data(), in_.data() + inBegin_, inEnd_ - inBegin_);
    inEnd_ -= inBegin_;
    inBegin_ = 0;
    const std::size_t before = inEnd_;
    while (!ended_ && inEnd_ < in_.size()) {
        const std::size_t read = source_.Read(in_.data() + inEnd_, in_.size() - inEnd_);
        ended_ = read == 0;
        inEnd_ += read;
    }
    return inEnd_ > before;
}

void InputDecoder::TakeByteOrderMark() {
    const char* at = in_.data();
    const std::size_t size = inEnd_;
    auto startsWith = [&](const char* mark, std::size_t markSize) {
        if (size < markSize || std::memcmp(at, mark, markSize) != 0) {
            return false;
        }
        inBegin_ = markSize;
        byteOrderMark_ = true;
        return true;
    };
    switch (choice_) {
    case EncodingChoice::Detect:
        if (startsWith(kUtf8ByteOrderMark, 3)) {
            encoding_ = InputEncoding::Utf8;
        } else if (startsWith("\xFF\xFE", 2)) {
            encoding_ = InputEncoding::Utf16LE;
        } else if (startsWith("\xFE\xFF", 2)) {
            encoding_ = InputEncoding::Utf16BE;
        }
        decided_ = byteOrderMark_;
        break;
    case EncodingChoice::Utf8:
        startsWith(kUtf8ByteOrderMark, 3);
        decided_ = true;
        break;
    case EncodingChoice::Gbk:
        encoding_ = InputEncoding::Gbk;
        decided_ = true;
        break;
    case EncodingChoice::Utf16:
        // Without a mark, little-endian: what Windows writes as "Unicode".
        encoding_ = startsWith("\xFE\xFF", 2) ? InputEncoding::Utf16BE : InputEncoding::Utf16LE;
        if (encoding_ == InputEncoding::Utf16LE) {
            startsWith("\xFF\xFE", 2);
        }
        decided_ = true;
        break;
    }
    if (encoding_ != InputEncoding::Utf8) {
        converter_.emplace(encoding_);
    }
}

bool InputDecoder::Next(const char*& begin, const char*& end) {
    if (!started_) {
        started_ = true;
        Fill();
        const std::string_view start(in_.data(), inEnd_);
        workbook_ = std::any_of(std::begin(kWorkbookStarts), std::end(kWorkbookStarts),
                                [start](std::string_view magic) { return start.substr(0, magic.size()) == magic; });
        TakeByteOrderMark();
    }
    if (workbook_) {
        return false;
    }
    out_.clear();
    for (;;) {
        Decode();
        if (!out_.empty()) {
            break;
        }
        if (!Fill() && inBegin_ == inEnd_) {
            return false;  // with bytes left, the next Decode() sees the end and takes them
        }
    }
    begin = out_.data();
    end = begin + out_.size();
    return true;
}

void InputDecoder::Decode() {
    if (!decided_) {
        // ASCII reads the same in UTF-8 and GBK: the first non-ASCII run decides.
        const char* from = in_.data() + inBegin_;
        const char* end = in_.data() + inEnd_;
        const char* to = std::find_if(from, end, [](char c) { return !IsAscii(c); });
        Emit(from, to);
        inBegin_ = static_cast<std::size_t>(to - in_.data());
        if (inBegin_ == inEnd_) {
            return;
        }
        DecideEncoding();
    }
    if (encoding_ == InputEncoding::Utf8) {
        DecodeUtf8();
    } else {
        DecodeOther();
    }
}

void InputDecoder::DecideEncoding() {
    Fill();  // the whole run, as far as a block holds it
    const char* p = in_.data() + inBegin_;
    const char* end = in_.data() + inEnd_;
    int size = 1;
    while (p != end && !IsAscii(*p) && (size = Utf8SequenceSize(p, end)) > 0) {
        p += size;
    }
    decided_ = true;
    if (size == 0) {
        encoding_ = InputEncoding::Gbk;
        guessedGbk_ = true;
        converter_.emplace(encoding_);
    }
}

void InputDecoder::DecodeUtf8() {
    const char* p = in_.data() + inBegin_;
    const char* end = in_.data() + inEnd_;
    while (p != end) {
        const char* run = p;
        int size = 0;
        while (p != end && (size = Utf8SequenceSize(p, end)) > 0) {
            p += size;
        }
        Emit(run, p);
        if (p == end || (size < 0 && !ended_)) {
            break;  // a character cut by the block waits for the rest
        }
        Invalid();
        ++p;
    }
    inBegin_ = static_cast<std::size_t>(p - in_.data());
}

void InputDecoder::DecodeOther() {
    const char* p = in_.data() + inBegin_;
    const char* end = in_.data() + inEnd_;
    const std::size_t unit = encoding_ == InputEncoding::Gbk ? 1 : 2;
    while (p != end) {
        const std::size_t before = out_.size();
        const ConvertStop stop = converter_->Convert(p, end, out_);
        lines_.Pass(out_.data() + before, out_.data() + out_.size());
        if (stop == ConvertStop::Done || (stop == ConvertStop::Cut && !ended_)) {
            break;
        }
        Invalid();
        p += std::min(unit, static_cast<std::size_t>(end - p));
    }
    inBegin_ = static_cast<std::size_t>(p - in_.data());
}

// Appends text to the output, counting its lines.
void InputDecoder::Emit(const char* from, const char* to) {
    lines_.Pass(from, to);
    out_.append(from, to);
}

// Puts U+FFFD where bytes were not valid, and keeps the line once.
void InputDecoder::Invalid() {
    if (lines_.Line() != lastInvalidLine_) {
        lastInvalidLine_ = lines_.Line();
        invalidLines_.push_back(lastInvalidLine_);
    }
    out_.append(kReplacementCharacter, 3);
}
