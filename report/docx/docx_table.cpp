#include "report/docx/docx_table.h"

#include <numeric>

namespace {

// Paragraph styles of the cells, by CellKind.
const char* const kCellStyles[] = {"Cell", "CellNumber", "CellHead", "CellMark"};

// Borders: 0.5 pt grey boxes; 0.3 pt dotted rules (in eighths of a point).
const char* const kGrid =
    "<w:tblBorders><w:top w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"444444\"/>"
    "<w:left w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"444444\"/>"
    "<w:bottom w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"444444\"/>"
    "<w:right w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"444444\"/>"
    "<w:insideH w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"444444\"/>"
    "<w:insideV w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"444444\"/></w:tblBorders>";
// Said outright: LibreOffice takes borders left out as its own, or as none
// for a cell's own too.
const char* const kNoLines =
    "<w:tblBorders><w:top w:val=\"nil\"/><w:left w:val=\"nil\"/><w:bottom w:val=\"nil\"/><w:right w:val=\"nil\"/>"
    "<w:insideH w:val=\"nil\"/><w:insideV w:val=\"nil\"/></w:tblBorders>";
const char* const kDotted =
    "<w:tblBorders><w:top w:val=\"nil\"/><w:left w:val=\"nil\"/>"
    "<w:bottom w:val=\"dotted\" w:sz=\"2\" w:space=\"0\" w:color=\"888888\"/><w:right w:val=\"nil\"/>"
    "<w:insideH w:val=\"dotted\" w:sz=\"2\" w:space=\"0\" w:color=\"888888\"/><w:insideV w:val=\"nil\"/>"
    "</w:tblBorders>";
// Cell padding 0.4 mm by 1.2 mm; steps 0.2 mm by 1 mm.
const char* const kPadding =
    "<w:tblCellMar><w:top w:w=\"23\" w:type=\"dxa\"/><w:left w:w=\"68\" w:type=\"dxa\"/>"
    "<w:bottom w:w=\"23\" w:type=\"dxa\"/><w:right w:w=\"68\" w:type=\"dxa\"/></w:tblCellMar>";
const char* const kStepPadding =
    "<w:tblCellMar><w:top w:w=\"11\" w:type=\"dxa\"/><w:left w:w=\"57\" w:type=\"dxa\"/>"
    "<w:bottom w:w=\"11\" w:type=\"dxa\"/><w:right w:w=\"57\" w:type=\"dxa\"/></w:tblCellMar>";
const char* const kNoPadding =
    "<w:tblCellMar><w:left w:w=\"0\" w:type=\"dxa\"/><w:right w:w=\"0\" w:type=\"dxa\"/></w:tblCellMar>";

std::string Twips(int twips) { return std::to_string(twips); }

}  // namespace

CellLook HeadCell() {
    CellLook look;
    look.kind = CellKind::Head;
    look.fill = "EEEEEE";
    return look;
}

std::vector<int> ColumnWidths(const std::vector<int>& shares, std::size_t columns, int total) {
    const bool given = shares.size() == columns;
    const int sum = given ? std::accumulate(shares.begin(), shares.end(), 0) : static_cast<int>(columns);
    std::vector<int> widths;
    int left = total;
    for (std::size_t k = 0; k < columns; ++k) {
        const int width = k + 1 == columns ? left : total * (given ? shares[k] : 1) / sum;
        widths.push_back(width);
        left -= width;
    }
    return widths;
}

void TableWriter::Begin(std::vector<int> widths, TableLines lines, bool whole) {
    widths_ = std::move(widths);
    whole_ = whole;
    column_ = 0;
    inRow_ = false;
    const int total = std::accumulate(widths_.begin(), widths_.end(), 0);
    AppendAll(xml_, {"<w:tbl><w:tblPr><w:tblW w:w=\"", Twips(total), "\" w:type=\"dxa\"/>"});
    switch (lines) {
    case TableLines::Grid:
        xml_ += kGrid;
        break;
    case TableLines::Dotted:
        xml_ += kDotted;
        break;
    case TableLines::None:
        xml_ += kNoLines;
        break;
    }
    xml_ += "<w:tblLayout w:type=\"fixed\"/>";
    xml_ += lines == TableLines::Grid ? kPadding : lines == TableLines::Dotted ? kStepPadding : kNoPadding;
    xml_ += "</w:tblPr><w:tblGrid>";
    for (const int width : widths_) {
        AppendAll(xml_, {"<w:gridCol w:w=\"", Twips(width), "\"/>"});
    }
    xml_ += "</w:tblGrid>";
}

void TableWriter::Row(bool header, int heightTwips) {
    if (inRow_) {
        xml_ += "</w:tr>";
    }
    inRow_ = true;
    column_ = 0;
    xml_ += "<w:tr><w:trPr><w:cantSplit/>";
    if (heightTwips > 0) {
        AppendAll(xml_, {"<w:trHeight w:val=\"", Twips(heightTwips), "\"/>"});
    }
    if (header) {
        xml_ += "<w:tblHeader/>";
    }
    xml_ += "</w:trPr>";
}

void TableWriter::OpenCell(const CellLook& look) {
    int width = 0;
    for (int k = 0; k < look.span && column_ < widths_.size(); ++k) {
        width += widths_[column_++];
    }
    AppendAll(xml_, {"<w:tc><w:tcPr><w:tcW w:w=\"", Twips(width), "\" w:type=\"dxa\"/>"});
    if (look.span > 1) {
        AppendAll(xml_, {"<w:gridSpan w:val=\"", std::to_string(look.span), "\"/>"});
    }
    if (look.signLine) {
        xml_ += "<w:tcBorders><w:bottom w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"000000\"/></w:tcBorders>";
    }
    if (look.fill != nullptr) {
        AppendAll(xml_, {"<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"", look.fill, "\"/>"});
    }
    xml_ += "</w:tcPr>";
}

void TableWriter::Cell(std::string_view text, const CellLook& look) {
    BeginCell(look);
    AppendRun(xml_, text, look.run);
    EndCell();
}

void TableWriter::BeginCell(const CellLook& look) {
    OpenCell(look);
    BeginParagraph(xml_, kCellStyles[static_cast<int>(look.kind)], whole_ ? "<w:keepNext/>" : "");
}

void TableWriter::EndCell() { xml_ += "</w:p></w:tc>"; }

void TableWriter::BeginBlockCell() { OpenCell(CellLook()); }

// A cell ends with a paragraph, even after a table.
void TableWriter::EndBlockCell(bool afterTable) {
    xml_ += afterTable ? "<w:p><w:pPr><w:pStyle w:val=\"Cell\"/></w:pPr></w:p></w:tc>" : "</w:tc>";
}

void TableWriter::End() {
    if (inRow_) {
        xml_ += "</w:tr>";
    }
    inRow_ = false;
    xml_ += "</w:tbl>";
}
