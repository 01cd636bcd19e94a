#include "messages/problem_text.h"

#include "batch/header_names.h"
#include "format/message_text.h"
#include "io/cell_space.h"
#include "messages/refusal_text.h"

#include <cstring>

namespace {

// Names of encodings, the same in every language.
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

std::string Number(long n) { return std::to_string(n); }

std::string Counted(Language language, long count, MessageId one, MessageId many) {
    std::string text;
    AppendCounted(text, language, count, one, many);
    return text;
}

std::string List(Language language, const std::vector<std::string_view>& names) {
    std::string list;
    for (std::string_view name : names) {
        if (!list.empty()) {
            AppendMessage(list, language, MessageId::ListSeparator);
        }
        list.append(name);
    }
    return list;
}

// The header as it was read, so that a wrong separator or encoding shows.
std::string HeaderAsRead(Language language, const CsvRecord& header) {
    constexpr std::size_t kShownCharacters = 200;
    std::string text;
    if (header.size() == 1) {
        AppendMessage(text, language, MessageId::HeaderOneField, {QuotedText(header[0], kShownCharacters)});
        return text;
    }
    std::string fields;
    for (const std::string& field : header) {
        if (fields.size() > kShownCharacters) {
            AppendMessage(fields, language, MessageId::ListCut);
            break;
        }
        if (!fields.empty()) {
            AppendMessage(fields, language, MessageId::ListSeparator);
        }
        fields += QuotedText(field, kShownCharacters);
    }
    AppendMessage(text, language, MessageId::HeaderFields, {fields});
    return text;
}

void AppendTextProblem(std::string& out, const Problem& p, Language language) {
    const std::string limitsMiB = Number(CsvReader::kMaxRecordBytes >> 20);
    const std::string limitsFields = Number(CsvReader::kMaxRecordFields);
    switch (p.text) {
    case TextProblem::NotValidBytes:
        AppendMessage(out, language, MessageId::NotValidBytes, {EncodingName(p.encoding)});
        return;
    case TextProblem::ReadAsGbk:
        AppendMessage(out, language, MessageId::ReadAsGbk);
        return;
    case TextProblem::SeparatorGuessed: {
        std::string name;
        AppendMessage(name, language, p.separator == '\t' ? MessageId::Tabs : MessageId::Semicolons);
        AppendMessage(out, language, MessageId::SeparatorGuessed, {name});
        return;
    }
    case TextProblem::QuoteNotClosed: {
        const bool named = p.header != nullptr && p.count >= 1 && static_cast<std::size_t>(p.count) <= p.header->size();
        std::string quote;
        AppendMessage(quote, language, named ? MessageId::QuoteNotClosedNamed : MessageId::QuoteNotClosed,
                      {Number(p.count), named ? std::string_view((*p.header)[static_cast<std::size_t>(p.count - 1)]) : ""});
        if (p.inHeader) {
            AppendMessage(out, language, MessageId::InHeader, {quote});
        } else {
            AppendMessage(out, language, MessageId::LinesLeftOut, {quote, Number(p.line), Number(p.toLine)});
        }
        return;
    }
    case TextProblem::RecordTooLong:
        AppendMessage(out, language, p.inHeader ? MessageId::HeaderTooLong : MessageId::RowTooLong,
                      {limitsMiB, limitsFields});
        return;
    case TextProblem::CannotRead:
        if (p.count == 0) {
            AppendMessage(out, language, MessageId::CannotRead, {std::strerror(p.errorNumber)});
        } else {
            AppendMessage(out, language, MessageId::CannotReadAfter, {Number(p.count), std::strerror(p.errorNumber)});
        }
        return;
    case TextProblem::Workbook:
        AppendMessage(out, language, MessageId::Workbook);
        return;
    case TextProblem::CannotWrite:
        AppendMessage(out, language,
                      p.file == ProblemFile::Sheet ? MessageId::SheetNotWritten : MessageId::OutputNotWritten,
                      {std::strerror(p.errorNumber)});
        return;
    }
}

void AppendSummary(std::string& out, const RunCounts& counts, Language language) {
    AppendMessage(out, language, MessageId::SummaryWritten,
                  {Counted(language, counts.written, MessageId::OneRow, MessageId::Rows)});
    if (counts.refused > 0) {
        AppendMessage(out, language, MessageId::SummaryRefused, {Number(counts.refused)});
    }
    if (counts.leftOut > 0) {
        AppendMessage(out, language, MessageId::SummaryLeftOut,
                      {Counted(language, counts.leftOut, MessageId::OneRow, MessageId::Rows)});
    }
    if (counts.unreadFrom > 0) {
        AppendMessage(out, language, MessageId::SummaryUnread, {Number(counts.unreadFrom), Number(counts.unreadTo)});
    }
    if (counts.invalidLines > 0) {
        AppendMessage(out, language, MessageId::SummaryInvalid,
                      {Counted(language, counts.invalidLines, MessageId::OneLine, MessageId::Lines),
                       EncodingName(counts.encoding)});
    }
}

// What is wrong with the header, naming the columns as the header heads them.
std::string HeaderFault(const Problem& p, Language language) {
    const CsvRecord& header = *p.header;
    const auto heading = [&header](long column) {
        return QuotedText(TrimCellSpace(header[static_cast<std::size_t>(column - 1)]), kShownCellCharacters);
    };
    std::string fault;
    switch (p.code) {
    case ProblemCode::ColumnTwice:
        if (heading(p.count) == heading(p.of)) {
            AppendMessage(fault, language, MessageId::ColumnTwice, {p.column, Number(p.count), Number(p.of)});
        } else {
            AppendMessage(fault, language, MessageId::ColumnTwiceNamed,
                          {p.column, heading(p.count), heading(p.of), Number(p.count), Number(p.of)});
        }
        break;
    case ProblemCode::ColumnUnit: {
        const std::string_view unit = ColumnUnit(p.column);
        AppendMessage(fault, language, unit.empty() ? MessageId::ColumnNoUnit : MessageId::ColumnUnit,
                      {heading(p.count), p.column, unit});
        break;
    }
    default:
        AppendMessage(fault, language,
                      p.code == ProblemCode::SectionBeside ? MessageId::SectionBeside : MessageId::ColumnMissing,
                      {p.column});
        break;
    }
    return fault;
}

}  // namespace

void AppendProblemText(std::string& out, const Problem& p, Language language) {
    switch (p.code) {
    case ProblemCode::Text:
        AppendTextProblem(out, p, language);
        return;
    case ProblemCode::EmptyInput:
        AppendMessage(out, language, MessageId::EmptyInput);
        return;
    case ProblemCode::ColumnMissing:
    case ProblemCode::ColumnTwice:
    case ProblemCode::SectionBeside:
    case ProblemCode::ColumnUnit:
        AppendMessage(out, language, MessageId::HeaderFault,
                      {HeaderFault(p, language), HeaderAsRead(language, *p.header)});
        return;
    case ProblemCode::ColumnsDropped:
    case ProblemCode::ColumnsUnused:
        AppendMessage(out, language,
                      p.code == ProblemCode::ColumnsDropped ? MessageId::ColumnsDropped : MessageId::ColumnsUnused,
                      {List(language, *p.names)});
        return;
    case ProblemCode::FieldCount:
        AppendMessage(out, language, MessageId::FieldCount,
                      {Counted(language, p.count, MessageId::OneField, MessageId::Fields), Number(p.of)});
        return;
    case ProblemCode::RowRefused:
        AppendRefusalText(out, *p.refusal, language);
        return;
    case ProblemCode::MoreRowProblems:
        AppendMessage(out, language, MessageId::MoreRowProblems, {Number(p.count)});
        return;
    case ProblemCode::Summary:
        AppendSummary(out, *p.counts, language);
        return;
    }
}

std::string ProblemText(const Problem& problem, Language language) {
    std::string text;
    AppendProblemText(text, problem, language);
    return text;
}
