#include "report/docx/docx_sheet.h"

#include "io/spool.h"
#include "io/zip_writer.h"
#include "report/docx/docx_page.h"
#include "report/docx/docx_parts.h"
#include "report/docx/docx_text.h"

#include <cerrno>

namespace {

// The summary's columns in proportion, the mark's first, with sections
// and without; 9 pt.
const std::vector<int> kDesignSummaryShares = {4, 5, 16, 6, 6, 13, 8, 13, 8, 9, 13, 10, 6};
const std::vector<int> kDialogSummaryShares = {4, 9, 36, 12, 12, 18, 16, 12, 10};
constexpr int kSummarySize = 18;
const char* const kMarkedFill = "DDDDDD";
// The title block: labels 25 mm wide; roles and dates 12 mm, 9 mm rows.
constexpr int kLabelWidth = 1417;
constexpr int kRoleWidth = 680;
constexpr int kSignHeight = 510;

CellLook SummaryCell(const SummaryRow& row, CellKind kind = CellKind::Text) {
    CellLook look;
    look.kind = kind;
    look.run.halfPoints = kSummarySize;
    look.run.bold = row.marked;
    look.fill = row.marked ? kMarkedFill : nullptr;
    return look;
}

void AppendTitleBlock(std::string& xml, const TitleBlock& title) {
    AppendParagraph(xml, "Heading1", title.title);
    TableWriter table(xml);
    table.Begin({kLabelWidth, kTextWidth - kLabelWidth}, TableLines::Grid);
    const CellLook label = HeadCell();
    for (const TitleRow& row : title.rows) {
        table.Row();
        table.Cell(row.label, label);
        table.BeginCell();
        AppendRun(xml, row.prefix);
        AppendTypedRun(xml, row.value);
        table.EndCell();
    }
    table.End();
    // Tables next to each other would be one; 6 mm above the lines to sign.
    BeginParagraph(xml, "Gap", "<w:spacing w:before=\"340\"/>");
    EndParagraph(xml);
    const int line = (kTextWidth - 2 * kRoleWidth) / 2;
    table.Begin({kRoleWidth, line, kRoleWidth, line}, TableLines::None);
    CellLook role;
    role.kind = CellKind::Head;
    CellLook blank;
    blank.signLine = true;
    for (const char* signer : title.signatures) {
        table.Row(false, kSignHeight);
        table.Cell(signer, role);
        table.Cell("", blank);
        table.Cell(title.dateLabel, role);
        table.Cell("", blank);
    }
    table.End();
}

}  // namespace

void DocxSheet::Begin(const TitleBlock& title) {
    header_ = PageHeader(title.project, title.title);
    xml_ = kDocumentStart;
    AppendTitleBlock(xml_, title);
    AppendList(xml_, title.basis, kBasisList);
    AppendParagraph(xml_, "Heading2", title.summaryHeading);
    const std::size_t columns = title.summaryColumns.size() + 1;
    const std::vector<int>& shares = columns == kDesignSummaryShares.size() ? kDesignSummaryShares : kDialogSummaryShares;
    summary_.Begin(ColumnWidths(shares, columns, kTextWidth), TableLines::Grid);
    summary_.Row(true);
    CellLook head = HeadCell();
    head.run.halfPoints = kSummarySize;
    summary_.Cell("", head);
    for (const char* column : title.summaryColumns) {
        summary_.Cell(column, head);
    }
    Write(body_);
}

void DocxSheet::AddSummaryRow(const SummaryRow& row) {
    summary_.Row();
    summary_.Cell(row.marked ? "※" : "", SummaryCell(row, CellKind::Mark));
    summary_.Cell(row.lines, SummaryCell(row, CellKind::Number));
    if (row.bay) {
        const CellLook text = SummaryCell(row);
        summary_.BeginCell(text);
        if (!row.anchor.empty()) {
            AppendAll(xml_, {"<w:hyperlink w:anchor=\"", BookmarkName(row.anchor), "\" w:history=\"1\">"});
        }
        AppendTextRun(xml_, row.title, text.run);
        if (!row.anchor.empty()) {
            xml_ += "</w:hyperlink>";
        }
        summary_.EndCell();
        for (const std::string* typed : {&row.H, &row.B}) {
            const CellLook number = SummaryCell(row, CellKind::Number);
            summary_.BeginCell(number);
            AppendTypedRun(xml_, *typed, number.run);
            summary_.EndCell();
        }
        for (const Cell& cell : row.results) {
            summary_.Cell(cell.text, SummaryCell(row, cell.numeric ? CellKind::Number : CellKind::Text));
        }
    }
    if (row.noteColumns > 0) {
        CellLook note = SummaryCell(row);
        note.span = row.noteColumns;
        note.run.italic = true;
        summary_.BeginCell(note);
        AppendRun(xml_, row.notePrefix, note.run);
        AppendTypedRun(xml_, row.note, note.run);
        summary_.EndCell();
    }
    Write(body_);
}

void DocxSheet::AddPage(const BayPage& page) {
    AppendPage(xml_, page, serial_);
    Write(pages_);
}

void DocxSheet::EndSummary(const SummaryEnd& end) {
    summary_.End();
    AppendParagraph(xml_, "Count", end.count);
    if (!end.incomplete.empty()) {
        AppendParagraph(xml_, "Incomplete", end.incomplete);
    }
    Write(body_);
}

bool DocxSheet::Finish(const TextList& scope) {
    Copy(pages_, [this](std::string_view block) {
        xml_ = block;
        Write(body_);
    });
    AppendList(xml_, scope, kScopeList, true);
    xml_ += kDocumentEnd;
    Write(body_);
    ZipWriter zip(sheet_);
    for (int k = 0; k < kPackagePartCount; ++k) {
        const PackagePart& part = kPackageParts[k];
        zip.Add(part.name, part.text != nullptr ? part.text : header_);
    }
    zip.Begin(kDocumentPart, bodySize_, bodyCrc_);
    Copy(body_, [&zip](std::string_view block) { zip.Write(block); });
    if (!zip.Finish()) {
        Fail(zip.ErrorNumber());
    }
    if (!failed_ && std::fflush(sheet_) != 0) {
        Fail(errno);
    }
    return !failed_;
}

void DocxSheet::Write(std::FILE* file) {
    if (!failed_ && !xml_.empty() && std::fwrite(xml_.data(), 1, xml_.size(), file) != xml_.size()) {
        Fail(errno);
    }
    if (file == body_) {
        bodySize_ += xml_.size();
        bodyCrc_ = UpdateCrc32(bodyCrc_, xml_);
    }
    xml_.clear();
}

void DocxSheet::Copy(std::FILE* from, const std::function<void(std::string_view)>& to) {
    const auto take = [&](std::string_view block) {
        to(block);
        return !failed_;
    };
    if (!failed_ && !ReadSpool(from, take)) {
        Fail(errno);
    }
}

void DocxSheet::Fail(int errorNumber) {
    if (!failed_) {
        failed_ = true;
        errorNumber_ = errorNumber;
    }
}
