#include "check_bays.h"

#include "bay_table.h"

#include <cstring>

namespace {

// A file with a wrong header length would otherwise repeat the same
// complaint for every row; the count at the end still has them all.
constexpr long kListedRowProblems = 20;

class Problems {
public:
    Problems(const std::string& inputName, TextOutput& out) : inputName_(inputName), out_(out) {}

    void At(long line, const std::string& text) {
        Say(inputName_ + ":" + std::to_string(line) + ": " + text);
    }
    void Say(const std::string& text) {
        out_.Line() += text;
        out_.EndLine();
        out_.Flush();
    }
    // A row left out: listed while there are few, counted always.
    void RowLeftOut(long line, const std::string& text) {
        ++rowsLeftOut_;
        if (rowsLeftOut_ <= kListedRowProblems) {
            At(line, text);
        } else if (rowsLeftOut_ == kListedRowProblems + 1) {
            Say(inputName_ + ": more rows left out; only the first " +
                std::to_string(kListedRowProblems) + " are listed");
        }
    }
    long RowsLeftOut() const { return rowsLeftOut_; }

private:
    const std::string& inputName_;
    TextOutput& out_;
    long rowsLeftOut_ = 0;
};

std::string LimitsText() {
    return "longer than " + std::to_string(CsvReader::kMaxRecordBytes >> 20) + " MiB or more than " +
           std::to_string(CsvReader::kMaxRecordFields) + " fields";
}

std::string UnclosedQuoteText(const CsvReader& reader, const CsvRecord& header) {
    const std::size_t field = reader.OpenQuoteField();
    std::string text = "the quote that opens field " + std::to_string(field);
    if (field >= 1 && field <= header.size()) {
        text += " (" + header[field - 1] + ")";
    }
    return text + " is never closed";
}

bool IsBlank(const CsvRecord& row) { return row.size() == 1 && row[0].empty(); }

}  // namespace

CheckExit CheckBays(CsvReader& reader, const std::string& inputName, bool byteOrderMark,
                    TextOutput& out, TextOutput& problemOutput) {
    Problems problems(inputName, problemOutput);
    CsvRecord header;
    const CsvRecord noHeader;
    switch (reader.Next(header)) {
    case CsvStatus::Record:
        break;
    case CsvStatus::End:
        problems.Say(inputName + ": empty input, no header line");
        return kCheckRowsLeftOut;
    case CsvStatus::UnterminatedQuote:
        problems.At(reader.OpenQuoteLine(), "header: " + UnclosedQuoteText(reader, noHeader));
        return kCheckRowsLeftOut;
    case CsvStatus::TooLong:
        problems.At(reader.RecordLine(), "header " + LimitsText());
        return kCheckRowsLeftOut;
    case CsvStatus::ReadError:
        problems.Say(inputName + ": cannot read: " + std::strerror(reader.ReadErrorNumber()));
        return kCheckFailed;
    }
    BayTable table;
    std::string headerError;
    if (!table.ReadHeader(header, headerError)) {
        problems.At(reader.RecordLine(), headerError);
        return kCheckRowsLeftOut;
    }
    if (byteOrderMark) {
        out.Line() += "\xEF\xBB\xBF";
    }
    table.AppendHeader(header, out.Line());
    out.EndLine();

    long rowsWritten = 0;
    CheckExit exit = kCheckDone;
    CsvRecord row;
    for (bool reading = true; reading && !out.Failed();) {
        switch (reader.Next(row)) {
        case CsvStatus::Record:
            if (IsBlank(row)) {
                break;
            }
            if (row.size() != table.ColumnCount()) {
                problems.RowLeftOut(reader.RecordLine(),
                                    std::to_string(row.size()) + " fields where the header has " +
                                        std::to_string(table.ColumnCount()) + "; row left out");
                break;
            }
            table.AppendRow(row, out.Line());
            out.EndLine();
            ++rowsWritten;
            break;
        case CsvStatus::TooLong:
            problems.RowLeftOut(reader.RecordLine(), "row " + LimitsText() + "; left out");
            break;
        case CsvStatus::UnterminatedQuote:
            problems.RowLeftOut(reader.OpenQuoteLine(),
                                UnclosedQuoteText(reader, header) + "; everything from line " +
                                    std::to_string(reader.RecordLine()) + " on is left out");
            reading = false;
            break;
        case CsvStatus::ReadError:
            problems.Say(inputName + ": cannot read after line " +
                         std::to_string(reader.RecordLine()) + ": " +
                         std::strerror(reader.ReadErrorNumber()));
            exit = kCheckFailed;
            reading = false;
            break;
        case CsvStatus::End:
            reading = false;
            break;
        }
    }
    if (!out.Flush()) {
        problems.Say("cannot write the output: it is incomplete");
        return kCheckFailed;
    }
    if (problems.RowsLeftOut() > 0) {
        const long leftOut = problems.RowsLeftOut();
        problems.Say(inputName + ": " + std::to_string(leftOut) + (leftOut == 1 ? " row" : " rows") +
                     " left out, " + std::to_string(rowsWritten) + " written");
        if (exit == kCheckDone) {
            exit = kCheckRowsLeftOut;
        }
    }
    return exit;
}
