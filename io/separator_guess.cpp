#include "io/separator_guess.h"

namespace {

// `text` split by `separator`; empty unless it makes one record that way.
CsvRecord SplitAgain(const std::string& text, char separator) {
    MemorySource source(text.data(), text.size());
    InputDecoder decoder(source, EncodingChoice::Utf8);
    CsvReader reader(decoder, separator);
    CsvRecord record;
    CsvRecord rest;
    if (reader.Next(record) != CsvStatus::Record || reader.Next(rest) != CsvStatus::End) {
        return CsvRecord();
    }
    return record;
}

}  // namespace

char GuessSeparator(CsvReader& reader, CsvRecord& header, HeaderTest namesColumns) {
    if (namesColumns(header)) {
        return 0;
    }
    for (const char separator : {';', '\t'}) {
        CsvRecord split = SplitAgain(reader.RecordText(), separator);
        if (namesColumns(split)) {
            header.swap(split);
            reader.SetSeparator(separator);
            return separator;
        }
    }
    return 0;
}
