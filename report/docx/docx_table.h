// Word tables of the sheet: fixed column widths, so that a long word wraps
// in its cell rather than widening the page; rows that never split across
// pages, header rows that repeat on each page.
#ifndef BRACING_REPORT_DOCX_DOCX_TABLE_H
#define BRACING_REPORT_DOCX_DOCX_TABLE_H

#include "report/docx/docx_text.h"

#include <string>
#include <string_view>
#include <vector>

// The lines a table draws.
enum class TableLines {
    Grid,    // every cell boxed
    Dotted,  // a dotted line under each row, as the steps of a calculation
    None,    // layout only
};

// What a cell holds, which sets its paragraph style.
enum class CellKind { Text, Number, Head, Mark };

struct CellLook {
    CellKind kind = CellKind::Text;
    RunLook run;
    int span = 1;                 // columns it takes
    const char* fill = nullptr;   // background, RRGGBB
    bool signLine = false;        // a line under it to sign on
};

// A header cell: bold on light grey, as the HTML sheet's <th>.
CellLook HeadCell();

// Twips (1/20 pt) of columns in proportion to `shares`, together `total`;
// equal when the shares are not one a column.
std::vector<int> ColumnWidths(const std::vector<int>& shares, std::size_t columns, int total);

class TableWriter {
public:
    explicit TableWriter(std::string& xml) : xml_(xml) {}

    // `whole`: on one page, and with the paragraph after it.
    void Begin(std::vector<int> widths, TableLines lines, bool whole = false);
    // Ends the row before, if any. `header`: repeated at the top of each
    // page; `heightTwips` 0: as its text needs.
    void Row(bool header = false, int heightTwips = 0);
    // A cell of one run, or one whose paragraph the caller fills up to EndCell.
    void Cell(std::string_view text, const CellLook& look = CellLook());
    void BeginCell(const CellLook& look = CellLook());
    void EndCell();
    // A cell that holds other blocks up to EndBlockCell; `afterTable`: its
    // last block is a table, and a paragraph must end it.
    void BeginBlockCell();
    void EndBlockCell(bool afterTable);
    void End();

private:
    void OpenCell(const CellLook& look);

    std::string& xml_;
    std::vector<int> widths_;
    std::size_t column_ = 0;
    bool inRow_ = false;
    bool whole_ = false;
};

#endif
