// Whole runs of the checker on text in memory, for the tests.
#ifndef BRACING_REPORT_CSV_TESTS_CHECKED_TEXT_H
#define BRACING_REPORT_CSV_TESTS_CHECKED_TEXT_H

#include "batch/check_bays.h"
#include "io/csv_reader.h"
#include "report/csv/csv_sink.h"
#include "report/csv/problem_lines.h"

#include <string>
#include <vector>

struct Checked {
    CheckExit exit;
    std::string out;
    std::string problems;
};

// The words and headings of a run.
struct RunWords {
    Language language = Language::English;
    ColumnHeading heading = ColumnHeading::Names;
};

// The input is called "in" on standard error.
inline Checked CheckSource(ByteSource& source, const CheckOptions& options = CheckOptions(),
                           EncodingChoice encoding = EncodingChoice::Detect, char separator = ',',
                           RunWords words = RunWords()) {
    Checked checked{kCheckDone, std::string(), std::string()};
    InputDecoder decoder(source, encoding);
    CsvReader reader(decoder, separator);
    TextOutput out(checked.out);
    TextOutput problems(checked.problems);
    CsvSink rows(out, words.language, words.heading);
    const ProblemFileNames names{"in", "<stdout>", ""};
    ProblemLines lines(problems, names, words.language);
    checked.exit = CheckBays(reader, options, rows, lines).exit;
    return checked;
}

inline Checked CheckText(const std::string& text, const CheckOptions& options = CheckOptions(),
                         RunWords words = RunWords()) {
    MemorySource source(text.data(), text.size());
    return CheckSource(source, options, EncodingChoice::Detect, ',', words);
}

// Text read back as UTF-8 CSV: the header, then each row's fields.
inline std::vector<CsvRecord> ReadRecords(const std::string& text) {
    std::vector<CsvRecord> records;
    MemorySource source(text.data(), text.size());
    InputDecoder decoder(source, EncodingChoice::Utf8);
    CsvReader reader(decoder);
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
