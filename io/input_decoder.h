// The input's bytes as UTF-8 text, whatever encoding they came in: UTF-8
// with or without a byte order mark, UTF-16 with one, or GBK (code page
// 936), which is taken when the first run of non-ASCII bytes is not UTF-8.
// Bytes not valid in the encoding become U+FFFD and their lines are kept
// for the problem list. A character cut by the end of a block is carried
// over to the next. A spreadsheet's own file (.xlsx, .xls) is not text:
// it gives none.
#ifndef BRACING_IO_INPUT_DECODER_H
#define BRACING_IO_INPUT_DECODER_H

#include "io/byte_source.h"
#include "io/line_counter.h"
#include "io/text_converter.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

enum class EncodingChoice { Detect, Utf8, Gbk, Utf16 };

class InputDecoder {
public:
    // Reads `source` in blocks of `blockSize` bytes (4 at least).
    InputDecoder(ByteSource& source, EncodingChoice choice,
                 std::size_t blockSize = std::size_t{1} << 16);

    // The next piece of text, valid until the next call. False at the end,
    // or when reading failed: then ErrorNumber() is not 0.
    bool Next(const char*& begin, const char*& end);
    int ErrorNumber() const { return source_.ErrorNumber(); }

    InputEncoding Encoding() const { return encoding_; }
    bool HadByteOrderMark() const { return byteOrderMark_; }
    // Read as GBK because the first non-ASCII bytes were not UTF-8.
    bool GuessedGbk() const { return guessedGbk_; }
    // The input starts as a ZIP (.xlsx) or an OLE compound file (.xls) does:
    // Next() gave nothing.
    bool Workbook() const { return workbook_; }

    // The lines with bytes not valid in the encoding, found since the last
    // ClearInvalidLines(), each once.
    const std::vector<long>& InvalidLines() const { return invalidLines_; }
    void ClearInvalidLines() { invalidLines_.clear(); }

private:
    bool Fill();
    void TakeByteOrderMark();
    void Decode();
    void DecideEncoding();
    void DecodeUtf8();
    void DecodeOther();
    void Emit(const char* from, const char* to);
    void Invalid();

    ByteSource& source_;
    EncodingChoice choice_;
    std::vector<char> in_;
    std::size_t inBegin_ = 0;  // the bytes not yet decoded
    std::size_t inEnd_ = 0;
    bool ended_ = false;
    bool started_ = false;
    bool decided_ = false;  // an ASCII start could still be GBK
    InputEncoding encoding_ = InputEncoding::Utf8;
    bool byteOrderMark_ = false;
    bool guessedGbk_ = false;
    bool workbook_ = false;
    std::optional<TextConverter> converter_;
    std::string out_;
    LineCounter lines_;
    std::vector<long> invalidLines_;
    long lastInvalidLine_ = 0;
};

#endif
