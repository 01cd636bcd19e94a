#include "io/csv_reader.h"

#include <cstring>

CsvReader::CsvReader(InputDecoder& input, char separator) : input_(input), separator_(separator) {}

// Whether there is text at hand, reading more when there is none.
bool CsvReader::Peek() { return next_ != end_ || input_.Next(next_, end_); }

// Passes over the text up to `to`, counting its lines.
void CsvReader::Consume(const char* to) {
    lines_.Pass(next_, to);
    if (keepText_) {
        text_.append(next_, to);
    }
    next_ = to;
}

// After a CR that ended a record: CR LF and CR CR LF end one record.
void CsvReader::EndCarriageReturn() {
    if (!Peek() || (*next_ != '\n' && *next_ != '\r')) {
        return;
    }
    if (*next_ == '\n') {
        Consume(next_ + 1);
        return;
    }
    const long secondLine = lines_.Line();
    Consume(next_ + 1);
    if (Peek() && *next_ == '\n') {
        Consume(next_ + 1);
        return;
    }
    blankRecordNext_ = true;
    blankRecordLine_ = secondLine;
}

CsvStatus CsvReader::Next(CsvRecord& record) {
    text_.clear();
    if (blankRecordNext_) {
        blankRecordNext_ = false;
        recordLine_ = blankRecordLine_;
        record.resize(1);
        record[0].clear();
        keepText_ = false;
        return CsvStatus::Record;
    }
    if (!Peek()) {
        return input_.ErrorNumber() != 0 ? CsvStatus::ReadError : CsvStatus::End;
    }
    recordLine_ = lines_.Line();

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
    auto keep = [&](const char* from, const char* to) {
        keptBytes += static_cast<std::size_t>(to - from);
        if (keptBytes > kMaxRecordBytes) {
            tooLong = true;
            field = nullptr;
        }
        if (field != nullptr) {
            field->append(from, to);
        }
    };
    beginField();

    bool quoted = false;
    bool atFieldStart = true;
    for (;;) {
        if (!Peek()) {
            if (input_.ErrorNumber() != 0) {
                return CsvStatus::ReadError;  // a cut record is not a row
            }
            if (quoted) {
                return CsvStatus::UnterminatedQuote;
            }
            break;  // the last record has no line end
        }
        if (quoted) {
            const void* quote = std::memchr(next_, '"', static_cast<std::size_t>(end_ - next_));
            const char* p = quote != nullptr ? static_cast<const char*>(quote) : end_;
            keep(next_, p);
            Consume(p);
            if (p == end_) {
                continue;
            }
            Consume(p + 1);
            // A quote closes the field unless another follows it.
            if (Peek() && *next_ == '"') {
                keep(next_, next_ + 1);
                Consume(next_ + 1);
            } else {
                quoted = false;
            }
            continue;
        }
        if (atFieldStart) {
            atFieldStart = false;
            if (*next_ == '"') {
                quoted = true;
                openQuoteLine_ = lines_.Line();
                openQuoteField_ = fieldCount;
                Consume(next_ + 1);
                continue;
            }
        }
        // Unquoted text, a quote inside it included, up to a separator.
        const char* p = next_;
        while (p != end_ && *p != separator_ && *p != '\n' && *p != '\r') {
            ++p;
        }
        keep(next_, p);
        Consume(p);
        if (p == end_) {
            continue;
        }
        const char stop = *p;
        Consume(p + 1);
        if (stop == separator_) {
            beginField();
            atFieldStart = true;
            continue;
        }
        if (stop == '\r') {
            EndCarriageReturn();
        }
        break;
    }
    keepText_ = false;
    if (tooLong) {
        record.clear();
        return CsvStatus::TooLong;
    }
    record.resize(fieldCount);
    return CsvStatus::Record;
}
