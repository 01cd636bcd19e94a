// libFuzzer target: random bytes through the decoder, the CSV reader and
// the checker, with every encoding, separator and block size. Besides the
// sanitizers' own checks: the output is always well-formed UTF-8, and
// every row written has the header's column count.
#include "batch/check_bays.h"
#include "report/csv/csv_sink.h"
#include "report/csv/problem_lines.h"
#include "io/utf8_sequence.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void Require(bool condition, const char* what, const std::string& out) {
    if (!condition) {
        std::fprintf(stderr, "%s\noutput:\n%s\n", what, out.c_str());
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte picks the reading; the rest is the input.
    const unsigned knobs = data[0];
    const EncodingChoice encodings[] = {EncodingChoice::Detect, EncodingChoice::Utf8,
                                        EncodingChoice::Gbk, EncodingChoice::Utf16};
    const char separators[] = {0, ',', ';', '\t'};
    const std::size_t blockSizes[] = {4, 7, 64, std::size_t{1} << 16};
    const char* text = reinterpret_cast<const char*>(data + 1);
    MemorySource source(text, size - 1, 1 + (knobs >> 6));
    InputDecoder decoder(source, encodings[knobs & 3], blockSizes[knobs >> 2 & 3]);
    const char separator = separators[knobs >> 4 & 3];
    CsvReader reader(decoder, separator != 0 ? separator : ',');
    CheckOptions options;
    options.separatorGiven = separator != 0;
    std::string out;
    std::string problems;
    {
        TextOutput output(out);
        TextOutput problemOutput(problems);
        CsvSink rows(output);
        const ProblemFileNames names;
        ProblemLines lines(problemOutput, names);
        CheckBays(reader, options, rows, lines);
    }

    for (const char* p = out.data(), *end = p + out.size(); p != end;) {
        const int sequence = Utf8SequenceSize(p, end);
        Require(sequence > 0, "output not well-formed UTF-8", out);
        p += sequence;
    }
    MemorySource written(out.data(), out.size());
    InputDecoder writtenText(written, EncodingChoice::Utf8);
    CsvReader rows(writtenText);
    CsvRecord header;
    CsvRecord row;
    if (rows.Next(header) != CsvStatus::Record) {
        Require(out.empty(), "output without a header", out);
        return 0;
    }
    for (CsvStatus status; (status = rows.Next(row)) != CsvStatus::End;) {
        Require(status == CsvStatus::Record, "output not CSV", out);
        Require(row.size() == header.size(), "a row without the header's column count", out);
    }
    return 0;
}
