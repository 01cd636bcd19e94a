#include "csv_reader.h"

CsvReader::CsvReader(std::FILE* input) : input_(input), buffer_(1 << 16) {}

int CsvReader::Peek() {
    if (!pending_.empty()) {
        return static_cast<unsigned char>(pending_.front());
    }
    if (position_ == filled_) {
        filled_ = std::fread(buffer_.data(), 1, buffer_.size(), input_);
        position_ = 0;
        if (filled_ == 0) {
            return EOF;
        }
    }
    return static_cast<unsigned char>(buffer_[position_]);
}

int CsvReader::Get() {
    const int c = Peek();
    if (!pending_.empty()) {
        pending_.erase(0, 1);
    } else if (c != EOF) {
        ++position_;
    }
    return c;
}

CsvStatus CsvReader::Next(CsvRecord& record) {
    if (!started_) {
        started_ = true;
        // A spreadsheet's UTF-8 BOM is not part of the first header name.
        const int bom[3] = {0xEF, 0xBB, 0xBF};
        std::string start;
        while (start.size() < 3 && Peek() == bom[start.size()]) {
            start.push_back(static_cast<char>(Get()));
        }
        if (start.size() != 3) {
            pending_ = start;  // not a BOM: the bytes are data
        }
    }
    if (Peek() == EOF) {
        return std::ferror(input_) ? CsvStatus::ReadError : CsvStatus::End;
    }
    recordLine_ = line_;
    std::size_t count = 0;
    auto nextField = [&record, &count]() -> std::string& {
        if (count == record.size()) {
            record.emplace_back();
        }
        std::string& field = record[count++];
        field.clear();
        return field;
    };
    std::string* field = &nextField();
    bool quoted = false;
    for (;;) {
        int c = Get();
        if (quoted) {
            if (c == EOF) {
                record.resize(count);
                return std::ferror(input_) ? CsvStatus::ReadError : CsvStatus::UnterminatedQuote;
            }
            if (c == '"') {
                if (Peek() == '"') {
                    Get();
                    field->push_back('"');
                } else {
                    quoted = false;
                }
                continue;
            }
            if (c == '\n') {
                ++line_;
            }
            field->push_back(static_cast<char>(c));
            continue;
        }
        if (c == EOF || c == '\n' || (c == '\r' && Peek() == '\n')) {
            if (c == '\r') {
                Get();
            }
            if (c != EOF) {
                ++line_;
            }
            break;
        }
        if (c == ',') {
            field = &nextField();
        } else if (c == '"' && field->empty()) {
            quoted = true;
        } else {
            field->push_back(static_cast<char>(c));
        }
    }
    record.resize(count);
    return std::ferror(input_) ? CsvStatus::ReadError : CsvStatus::Record;
}
