#include "csv_reader.h"

#include <cerrno>
#include <climits>
#include <cstring>

namespace {

const char kByteOrderMark[] = "\xEF\xBB\xBF";
constexpr std::size_t kByteOrderMarkSize = 3;

bool StartsWithByteOrderMark(const char* from, const char* to) {
    return static_cast<std::size_t>(to - from) >= kByteOrderMarkSize &&
           std::memcmp(from, kByteOrderMark, kByteOrderMarkSize) == 0;
}

}  // namespace

// The byte order mark is looked for in the first block, so a block holds
// at least its three bytes (fread returns short only at the end).
CsvReader::CsvReader(std::FILE* input, std::size_t blockSize)
    : input_(input), block_(blockSize < 4 ? 4 : blockSize) {}

CsvReader::CsvReader(const char* text, std::size_t size, std::size_t pieceSize)
    : text_(text), textEnd_(text + size), pieceSize_(pieceSize == 0 ? 1 : pieceSize) {}

bool CsvReader::Refill() {
    if (input_ == nullptr) {
        const std::size_t left = static_cast<std::size_t>(textEnd_ - text_);
        if (left == 0) {
            return false;
        }
        const std::size_t size = left < pieceSize_ ? left : pieceSize_;
        next_ = text_;
        end_ = text_ + size;
        text_ += size;
        return true;
    }
    if (ended_) {
        return false;  // a terminal would wait for more after the end
    }
    const std::size_t size = std::fread(block_.data(), 1, block_.size(), input_);
    if (size == 0) {
        ended_ = true;
        if (std::ferror(input_)) {
            failed_ = true;
            readErrorNumber_ = errno;
        }
        return false;
    }
    next_ = block_.data();
    end_ = next_ + size;
    return true;
}

bool CsvReader::AtEnd() { return next_ == end_ && !Refill(); }

void CsvReader::SkipByteOrderMark() {
    if (input_ == nullptr) {
        if (StartsWithByteOrderMark(text_, textEnd_)) {
            text_ += kByteOrderMarkSize;
        }
        return;
    }
    if (!AtEnd() && StartsWithByteOrderMark(next_, end_)) {
        next_ += kByteOrderMarkSize;
    }
}

void CsvReader::CountLine() {
    if (line_ < LONG_MAX) {
        ++line_;
    }
}

CsvStatus CsvReader::Next(CsvRecord& record) {
    if (!started_) {
        started_ = true;
        SkipByteOrderMark();
    }
    if (AtEnd()) {
        return failed_ ? CsvStatus::ReadError : CsvStatus::End;
    }
    recordLine_ = line_;

    // Fields are kept in `record`'s own strings while the record stays within
    // the limits; past them the record is still read to its end, unkept.
    std::size_t fieldCount = 0;
    std::size_t keptBytes = 0;
    bool tooLong = false;
    std::string* field = nullptr;
    auto beginField = [&]() {
        ++fieldCount;
        if (fieldCount > kMaxRecordFields) {
            tooLong = true;
        }
        if (tooLong) {
            field = nullptr;
            return;
        }
        if (fieldCount > record.size()) {
            record.emplace_back();
        }
        field = &record[fieldCount - 1];
        field->clear();
    };
    auto keep = [&](const char* from, std::size_t size) {
        keptBytes += size;
        if (keptBytes > kMaxRecordBytes) {
            tooLong = true;
            field = nullptr;
        }
        if (field != nullptr) {
            field->append(from, size);
        }
    };
    beginField();

    bool quoted = false;
    bool atFieldStart = true;
    for (;;) {
        if (next_ == end_ && !Refill()) {
            if (failed_) {
                return CsvStatus::ReadError;  // a cut record is not a row
            }
            if (quoted) {
                return CsvStatus::UnterminatedQuote;
            }
            break;  // the last record has no line end
        }
        if (quoted) {
            const char* p = next_;
            while (p != end_ && *p != '"' && *p != '\n') {
                ++p;
            }
            keep(next_, static_cast<std::size_t>(p - next_));
            next_ = p;
            if (p == end_) {
                continue;
            }
            ++next_;
            if (*p == '\n') {
                keep("\n", 1);
                CountLine();
                continue;
            }
            // A quote closes the field unless another follows it.
            if (next_ == end_ && !Refill()) {
                quoted = false;
                continue;
            }
            if (*next_ == '"') {
                keep("\"", 1);
                ++next_;
            } else {
                quoted = false;
            }
            continue;
        }
        if (atFieldStart) {
            atFieldStart = false;
            if (*next_ == '"') {
                quoted = true;
                openQuoteLine_ = line_;
                openQuoteField_ = fieldCount;
                ++next_;
                continue;
            }
        }
        // Unquoted text, a quote inside it included, up to a separator.
        const char* p = next_;
        while (p != end_ && *p != ',' && *p != '\n' && *p != '\r') {
            ++p;
        }
        keep(next_, static_cast<std::size_t>(p - next_));
        next_ = p;
        if (p == end_) {
            continue;
        }
        const char separator = *p;
        ++next_;
        if (separator == ',') {
            beginField();
            atFieldStart = true;
            continue;
        }
        if (separator == '\n') {
            CountLine();
            break;
        }
        // CR ends the line before LF; alone it is data.
        if ((next_ != end_ || Refill()) && *next_ == '\n') {
            ++next_;
            CountLine();
            break;
        }
        keep("\r", 1);
    }
    if (tooLong) {
        record.clear();
        return CsvStatus::TooLong;
    }
    record.resize(fieldCount);
    return CsvStatus::Record;
}
