// Whole runs of the checker on text in memory, for the tests.
#ifndef BRACING_CLI_TESTS_CHECKED_TEXT_H
#define BRACING_CLI_TESTS_CHECKED_TEXT_H

#include "check_bays.h"
#include "csv_reader.h"

#include <string>
#include <vector>

struct Checked {
    CheckExit exit;
    std::string out;
    std::string problems;
};

inline Checked CheckText(const std::string& text, bool byteOrderMark = false) {
    Checked checked{kCheckDone, std::string(), std::string()};
    CsvReader reader(text.data(), text.size());
    TextOutput out(checked.out);
    TextOutput problems(checked.problems);
    checked.exit = CheckBays(reader, "in", byteOrderMark, out, problems);
    return checked;
}

// The output read back: the header, then each row's fields.
inline std::vector<CsvRecord> OutputRecords(const std::string& out) {
    std::vector<CsvRecord> records;
    CsvReader reader(out.data(), out.size());
    CsvRecord record;
    while (reader.Next(record) == CsvStatus::Record) {
        records.push_back(record);
    }
    return records;
}

// The field under `name` in `row` of the output, or "<no column>".
inline std::string OutputField(const std::vector<CsvRecord>& records, std::size_t row,
                               const std::string& name) {
    const CsvRecord& header = records.at(0);
    for (std::size_t column = 0; column < header.size(); ++column) {
        if (header[column] == name) {
            return records.at(row).at(column);
        }
    }
    return "<no column>";
}

#endif
