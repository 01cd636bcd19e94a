#include "batch/check_bays.h"

#include "batch/bay_table.h"
#include "io/cell_space.h"
#include "format/message_text.h"
#include "batch/problem_list.h"
#include "io/separator_guess.h"

#include <cstring>

namespace {

struct Counts {
    long written = 0;
    long refused = 0;
    long leftOut = 0;
    long invalidLines = 0;
    long unreadFrom = 0;  // lines from an unclosed quote to the end
    long unreadTo = 0;
};

std::string Counted(long count, const char* thing) {
    return std::to_string(count) + " " + thing + (count == 1 ? "" : "s");
}

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

// The header as it was read, so that a wrong separator or encoding shows.
std::string HeaderAsRead(const CsvRecord& header) {
    constexpr std::size_t kShownCharacters = 200;
    if (header.size() == 1) {
        return "the header is one field: " + QuotedText(header[0], kShownCharacters);
    }
    std::string fields;
    for (const std::string& field : header) {
        if (fields.size() > kShownCharacters) {
            fields += ", …";
            break;
        }
        fields += (fields.empty() ? "" : ", ") + QuotedText(field, kShownCharacters);
    }
    return "the header's fields: " + fields;
}

const char* EncodingName(InputEncoding encoding) {
    switch (encoding) {
    case InputEncoding::Gbk:
        return "GBK";
    case InputEncoding::Utf16LE:
    case InputEncoding::Utf16BE:
        return "UTF-16";
    case InputEncoding::Utf8:
        break;
    }
    return "UTF-8";
}

bool NamesAnInput(const CsvRecord& header) { return BayTable::InputColumnsNamed(header) > 0; }

class Checker {
public:
    Checker(CsvReader& reader, const CheckOptions& options, TextOutput& out, TextOutput& problems)
        : reader_(reader),
          options_(options),
          out_(out),
          problems_(options.inputName, problems),
          table_(options.design) {}

    CheckOutcome Run();

private:
    bool ReadHeader(CsvRecord& header, CheckExit& exit);
    bool WantsByteOrderMark() const;
    void ReportDecoding();
    void ReportSummary();
    void CheckRow(const CsvRecord& row);
    void LeaveOut(const std::string& text);
    void BeginSheet(const CsvRecord& header);

    CsvReader& reader_;
    const CheckOptions& options_;
    TextOutput& out_;
    ProblemList problems_;
    BayTable table_;
    RowRefusal refusal_;
    CheckedBay checked_;
    BaySink* sheet_ = nullptr;  // once begun
    std::size_t bayColumn_ = kNoColumn;  // the bay's name on the sheet
    Counts counts_;
    bool saidGbk_ = false;
};

// On failure says why and sets the exit status.
bool Checker::ReadHeader(CsvRecord& header, CheckExit& exit) {
    const std::string& name = options_.inputName;
    exit = kCheckProblems;
    reader_.KeepRecordText();
    const CsvStatus status = reader_.Next(header);
    ReportDecoding();
    switch (status) {
    case CsvStatus::Record:
        break;
    case CsvStatus::End:
        problems_.Say(name + ": empty input, no header line");
        return false;
    case CsvStatus::UnterminatedQuote:
        problems_.At(reader_.OpenQuoteLine(), "header: " + UnclosedQuoteText(reader_, CsvRecord()));
        return false;
    case CsvStatus::TooLong:
        problems_.At(reader_.RecordLine(), "header " + LimitsText());
        return false;
    case CsvStatus::ReadError:
        problems_.Say(name + ": cannot read: " + std::strerror(reader_.ReadErrorNumber()));
        exit = kCheckFailed;
        return false;
    }
    const char* separators = options_.separatorGiven ? nullptr : GuessSeparator(reader_, header, NamesAnInput);
    if (separators != nullptr) {
        problems_.Say(name + ": the columns are separated by " + separators + ", not commas; read so");
    }
    std::string error;
    if (!table_.ReadHeader(header, error)) {
        problems_.At(reader_.RecordLine(), error + "; " + HeaderAsRead(header));
        return false;
    }
    if (!table_.DroppedColumns().empty()) {
        problems_.Say(name + ": columns " + table_.DroppedColumns() +
                      " are an earlier run's output; dropped and written afresh");
    }
    if (!table_.UnusedColumns().empty()) {
        problems_.Say(name + ": " + table_.UnusedColumns() +
                      ": not used with A and i (the design check needs a section column)");
    }
    exit = kCheckDone;
    return true;
}

bool Checker::WantsByteOrderMark() const {
    const InputDecoder& input = reader_.Input();
    switch (options_.byteOrderMark) {
    case ByteOrderMarkChoice::Always:
        return true;
    case ByteOrderMarkChoice::Never:
        return false;
    case ByteOrderMarkChoice::LikeInput:
        break;
    }
    return input.HadByteOrderMark() || input.Encoding() != InputEncoding::Utf8;
}

// What the decoder found since the last record: the guessed encoding, and
// lines with bytes not valid in it.
void Checker::ReportDecoding() {
    InputDecoder& input = reader_.Input();
    if (input.GuessedGbk() && !saidGbk_) {
        saidGbk_ = true;
        problems_.Say(options_.inputName + ": not UTF-8; read as GBK (code page 936)");
    }
    for (long line : input.InvalidLines()) {
        ++counts_.invalidLines;
        problems_.Row(line, std::string("bytes not valid in ") + EncodingName(input.Encoding()) +
                                ", each shown as U+FFFD");
    }
    input.ClearInvalidLines();
}

// The record just read, left out: said on standard error and on the sheet.
void Checker::LeaveOut(const std::string& text) {
    ++counts_.leftOut;
    problems_.Row(reader_.RecordLine(), text);
    if (sheet_) {
        sheet_->LeaveOut(reader_.RecordLine(), reader_.RecordLine(), text);
    }
}

void Checker::CheckRow(const CsvRecord& row) {
    if (row.size() != table_.ColumnCount()) {
        LeaveOut(Counted(static_cast<long>(row.size()), "field") + " where the header has " +
                 std::to_string(table_.ColumnCount()) + "; row left out");
        return;
    }
    refusal_.Clear();
    checked_.bay.line = reader_.RecordLine();
    table_.AppendRow(row, out_.Line(), refusal_, checked_);
    out_.EndLine();
    if (sheet_) {
        checked_.bay.name = bayColumn_ == kNoColumn ? std::string_view() : TrimCellSpace(row[bayColumn_]);
        sheet_->Add(checked_.bay);
    }
    ++counts_.written;
    if (refusal_.Refused()) {
        ++counts_.refused;
        problems_.Row(reader_.RecordLine(), refusal_.Text());
    }
}

// The sheet's title and the head of its summary; the bay's name is the
// column called bay, where there is one.
void Checker::BeginSheet(const CsvRecord& header) {
    for (std::size_t column = 0; column < header.size(); ++column) {
        if (TrimCellSpace(header[column]) == "bay") {
            bayColumn_ = column;
            break;
        }
    }
    sheet_ = options_.sheet;
    sheet_->Begin(table_.ChecksDesign());
}

void Checker::ReportSummary() {
    std::string summary = Counted(counts_.written, "row") + " written";
    if (counts_.refused > 0) {
        summary += ", " + std::to_string(counts_.refused) + " of them refused";
    }
    if (counts_.leftOut > 0) {
        summary += "; " + Counted(counts_.leftOut, "row") + " left out";
    }
    if (counts_.unreadFrom > 0) {
        summary += "; lines " + std::to_string(counts_.unreadFrom) + " to " +
                   std::to_string(counts_.unreadTo) + " left out (a quote never closed)";
    }
    if (counts_.invalidLines > 0) {
        summary += "; " + Counted(counts_.invalidLines, "line") + " with bytes not valid in " +
                   EncodingName(reader_.Input().Encoding());
    }
    problems_.Say(options_.inputName + ": " + summary);
}

CheckOutcome Checker::Run() {
    CsvRecord header;
    CheckExit exit = kCheckDone;
    if (!ReadHeader(header, exit)) {
        return {exit, false, false};
    }
    if (WantsByteOrderMark()) {
        out_.Line() += "\xEF\xBB\xBF";
    }
    table_.AppendHeader(header, out_.Line());
    out_.EndLine();
    if (options_.sheet != nullptr) {
        BeginSheet(header);
    }

    CsvRecord row;
    for (bool reading = true; reading && !out_.Failed();) {
        const CsvStatus status = reader_.Next(row);
        ReportDecoding();
        switch (status) {
        case CsvStatus::Record:
            if (row.size() != 1 || !row[0].empty()) {  // blank lines are passed over
                CheckRow(row);
            }
            break;
        case CsvStatus::TooLong:
            LeaveOut("row " + LimitsText() + "; left out");
            break;
        case CsvStatus::UnterminatedQuote:
            counts_.unreadFrom = reader_.OpenQuoteLine();
            counts_.unreadTo = reader_.LastLine();
            {
                const std::string text = UnclosedQuoteText(reader_, header) + "; lines " +
                                         std::to_string(counts_.unreadFrom) + " to " +
                                         std::to_string(counts_.unreadTo) + " are left out";
                problems_.At(counts_.unreadFrom, text);
                if (sheet_) {
                    sheet_->LeaveOut(counts_.unreadFrom, counts_.unreadTo, text);
                }
            }
            reading = false;
            break;
        case CsvStatus::ReadError:
            problems_.Say(options_.inputName + ": cannot read after line " +
                          std::to_string(reader_.RecordLine()) + ": " +
                          std::strerror(reader_.ReadErrorNumber()));
            exit = kCheckFailed;
            reading = false;
            break;
        case CsvStatus::End:
            reading = false;
            break;
        }
    }
    if (!out_.Flush()) {
        problems_.Say(options_.outputName + ": cannot write: " + std::strerror(out_.ErrorNumber()) +
                      "; the output is incomplete");
        return {kCheckFailed, true, false};
    }
    if (sheet_ && !sheet_->Finish()) {
        problems_.Say(options_.sheetName + ": cannot write: " + std::strerror(sheet_->ErrorNumber()) +
                      "; the sheet is incomplete");
        return {kCheckFailed, true, false};
    }
    const bool carried = counts_.leftOut == 0 && counts_.unreadFrom == 0 && counts_.invalidLines == 0;
    const bool hadProblems = counts_.refused > 0 || !carried;
    if (hadProblems) {
        ReportSummary();
        if (exit == kCheckDone) {
            exit = kCheckProblems;
        }
    }
    return {exit, true, carried && exit != kCheckFailed};
}

}  // namespace

CheckOutcome CheckBays(CsvReader& reader, const CheckOptions& options, TextOutput& out,
                       TextOutput& problems) {
    return Checker(reader, options, out, problems).Run();
}
