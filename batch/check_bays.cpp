#include "batch/check_bays.h"

#include "batch/bay_table.h"
#include "batch/problem_list.h"
#include "io/separator_guess.h"

namespace {

Problem TextProblemAt(TextProblem text, long line) {
    Problem problem;
    problem.text = text;
    problem.line = line;
    problem.toLine = line;
    return problem;
}

bool NamesAnInput(const CsvRecord& header) { return BayTable::InputColumnsNamed(header) > 0; }

class Checker {
public:
    Checker(CsvReader& reader, const CheckOptions& options, BaySink& rows, ProblemSink& problems)
        : reader_(reader), options_(options), rows_(rows), problems_(problems), table_(options.design) {}

    CheckOutcome Run();

private:
    bool ReadHeader(CsvRecord& header, CheckExit& exit);
    bool WantsByteOrderMark() const;
    void ReportDecoding();
    bool CheckRow(const CsvRecord& row);
    void LeaveOut(const Problem& problem);
    bool Finished(BaySink& sink, ProblemFile file);

    CsvReader& reader_;
    const CheckOptions& options_;
    BaySink& rows_;
    ProblemList problems_;
    BayTable table_;
    CheckedBay checked_{};
    BaySink* sheet_ = nullptr;  // once begun
    RunCounts counts_;
    bool saidGbk_ = false;
};

// On failure says why and sets the exit status.
bool Checker::ReadHeader(CsvRecord& header, CheckExit& exit) {
    exit = kCheckProblems;
    reader_.KeepRecordText();
    const CsvStatus status = reader_.Next(header);
    if (reader_.Input().Workbook()) {
        problems_.Say(TextProblemAt(TextProblem::Workbook, 0));
        return false;
    }
    ReportDecoding();
    Problem problem = TextProblemAt(TextProblem::RecordTooLong, reader_.RecordLine());
    problem.inHeader = true;
    switch (status) {
    case CsvStatus::Record:
        break;
    case CsvStatus::End:
        problem.code = ProblemCode::EmptyInput;
        problem.line = 0;
        problems_.Say(problem);
        return false;
    case CsvStatus::UnterminatedQuote:
        problem.text = TextProblem::QuoteNotClosed;
        problem.line = reader_.OpenQuoteLine();
        problem.count = static_cast<long>(reader_.OpenQuoteField());
        problems_.Say(problem);
        return false;
    case CsvStatus::TooLong:
        problems_.Say(problem);
        return false;
    case CsvStatus::ReadError:
        problem.text = TextProblem::CannotRead;
        problem.line = 0;
        problem.errorNumber = reader_.ReadErrorNumber();
        problems_.Say(problem);
        exit = kCheckFailed;
        return false;
    }
    const char separator = options_.separatorGiven ? 0 : GuessSeparator(reader_, header, NamesAnInput);
    if (separator != 0) {
        problem = TextProblemAt(TextProblem::SeparatorGuessed, 0);
        problem.separator = separator;
        problems_.Say(problem);
    }
    problem = Problem();
    if (!table_.ReadHeader(header, problem)) {
        problem.line = reader_.RecordLine();
        problem.header = &header;
        problems_.Say(problem);
        return false;
    }
    const struct {
        ProblemCode code;
        const std::vector<std::string_view>& names;
    } notes[] = {{ProblemCode::ColumnsDropped, table_.DroppedColumns()},
                 {ProblemCode::ColumnsUnused, table_.UnusedColumns()}};
    for (const auto& note : notes) {
        if (!note.names.empty()) {
            problem = Problem();
            problem.code = note.code;
            problem.names = &note.names;
            problems_.Say(problem);
        }
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
        problems_.Say(TextProblemAt(TextProblem::ReadAsGbk, 0));
    }
    for (long line : input.InvalidLines()) {
        ++counts_.invalidLines;
        Problem problem = TextProblemAt(TextProblem::NotValidBytes, line);
        problem.encoding = input.Encoding();
        problems_.Row(problem);
    }
    input.ClearInvalidLines();
}

// Lines that made no row: said on standard error and on the sheet.
void Checker::LeaveOut(const Problem& problem) {
    if (sheet_) {
        sheet_->LeaveOut(problem);
    }
}

// False when a write of the rows failed.
bool Checker::CheckRow(const CsvRecord& row) {
    const long line = reader_.RecordLine();
    if (row.size() != table_.ColumnCount()) {
        Problem problem;
        problem.code = ProblemCode::FieldCount;
        problem.line = problem.toLine = line;
        problem.count = static_cast<long>(row.size());
        problem.of = static_cast<long>(table_.ColumnCount());
        ++counts_.leftOut;
        problems_.Row(problem);
        LeaveOut(problem);
        return true;
    }
    table_.ReadRow(row, line, checked_);
    const bool written = rows_.Add(checked_.bay);
    if (sheet_) {
        sheet_->Add(checked_.bay);
    }
    ++counts_.written;
    if (checked_.bay.refusal.Refused()) {
        ++counts_.refused;
        Problem problem;
        problem.code = ProblemCode::RowRefused;
        problem.line = line;
        problem.refusal = &checked_.bay.refusal;
        problems_.Row(problem);
    }
    return written;
}

// Says when `sink` could not finish.
bool Checker::Finished(BaySink& sink, ProblemFile file) {
    if (sink.Finish()) {
        return true;
    }
    Problem problem = TextProblemAt(TextProblem::CannotWrite, 0);
    problem.file = file;
    problem.errorNumber = sink.ErrorNumber();
    problems_.Say(problem);
    return false;
}

CheckOutcome Checker::Run() {
    CsvRecord header;
    CheckExit exit = kCheckDone;
    if (!ReadHeader(header, exit)) {
        return {exit, false, false};
    }
    const BayLayout layout = table_.Layout(header, WantsByteOrderMark());
    bool writing = rows_.Begin(layout);
    if (options_.sheet != nullptr) {
        sheet_ = options_.sheet;
        sheet_->Begin(layout);
    }

    CsvRecord row;
    for (bool reading = writing; reading;) {
        const CsvStatus status = reader_.Next(row);
        ReportDecoding();
        Problem problem = TextProblemAt(TextProblem::RecordTooLong, reader_.RecordLine());
        switch (status) {
        case CsvStatus::Record:
            if (row.size() != 1 || !row[0].empty()) {  // blank lines are passed over
                reading = CheckRow(row);
            }
            break;
        case CsvStatus::TooLong:
            ++counts_.leftOut;
            problems_.Row(problem);
            LeaveOut(problem);
            break;
        case CsvStatus::UnterminatedQuote:
            counts_.unreadFrom = reader_.OpenQuoteLine();
            counts_.unreadTo = reader_.LastLine();
            problem.text = TextProblem::QuoteNotClosed;
            problem.line = counts_.unreadFrom;
            problem.toLine = counts_.unreadTo;
            problem.count = static_cast<long>(reader_.OpenQuoteField());
            problem.header = &header;
            problems_.Say(problem);
            LeaveOut(problem);
            reading = false;
            break;
        case CsvStatus::ReadError:
            problem.text = TextProblem::CannotRead;
            problem.line = problem.toLine = 0;
            problem.count = reader_.RecordLine();  // read up to there
            problem.errorNumber = reader_.ReadErrorNumber();
            problems_.Say(problem);
            exit = kCheckFailed;
            reading = false;
            break;
        case CsvStatus::End:
            reading = false;
            break;
        }
    }
    if (!Finished(rows_, ProblemFile::Output) || (sheet_ && !Finished(*sheet_, ProblemFile::Sheet))) {
        return {kCheckFailed, true, false};
    }
    const bool carried = counts_.leftOut == 0 && counts_.unreadFrom == 0 && counts_.invalidLines == 0;
    const bool hadProblems = counts_.refused > 0 || !carried;
    if (hadProblems) {
        counts_.encoding = reader_.Input().Encoding();
        Problem summary;
        summary.code = ProblemCode::Summary;
        summary.counts = &counts_;
        problems_.Say(summary);
        if (exit == kCheckDone) {
            exit = kCheckProblems;
        }
    }
    return {exit, true, carried && exit != kCheckFailed};
}

}  // namespace

CheckOutcome CheckBays(CsvReader& reader, const CheckOptions& options, BaySink& rows,
                       ProblemSink& problems) {
    return Checker(reader, options, rows, problems).Run();
}
