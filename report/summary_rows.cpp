#include "report/summary_rows.h"

#include "batch/design_texts.h"
#include "io/cell_space.h"
#include "messages/refusal_text.h"
#include "report/report_numbers.h"
#include "report/report_words.h"

#include <cstring>
#include <iterator>
#include <numeric>

namespace {

// The cell of output column `name` of whichever case's columns hold it.
template <int Count>
bool AddCaseCell(std::vector<Cell>& cells, const DesignColumn (&columns)[Count], const char* name,
                 const DesignCase& c) {
    for (const DesignColumn& column : columns) {
        if (std::strcmp(column.name, name) == 0) {
            cells.push_back({DesignCellText(column, c.section, c.check), column.kind == DesignCell::Number});
            return true;
        }
    }
    return false;
}

void AddAdoptedCell(std::vector<Cell>& cells, const char* name, const BayDesign& d) {
    if (std::strcmp(name, "adopted") == 0) {
        // The sheet's words, not the CSV's tension and compression.
        cells.push_back({d.adopted == AdoptedCase::Tension       ? "按拉杆"
                         : d.adopted == AdoptedCase::Compression ? "按压杆"
                                                                 : "无",
                         false});
        return;
    }
    for (const AdoptedColumn& column : kAdoptedColumns) {
        if (std::strcmp(column.name, name) == 0) {
            Cell cell{"", std::strcmp(name, "mass") == 0};
            column.append(cell.text, d);
            cells.push_back(std::move(cell));
        }
    }
}

// Each case's section and ratio, then the adopted design, its mass and ok.
void AddDesignCells(std::vector<Cell>& cells, const BayDesign& d) {
    for (const char* name : kDesignSummaryColumns) {
        if (!AddCaseCell(cells, kTensionColumns, name, d.tension) &&
            !AddCaseCell(cells, kCompressionColumns, name, d.compression)) {
            AddAdoptedCell(cells, name, d);
        }
    }
}

int ResultColumns(bool designCheck) {
    return designCheck ? kDesignSummaryColumnCount : kDialogSummaryColumnCount;
}

void AddDialogCells(std::vector<Cell>& cells, const BracingResults& r) {
    for (const ResultRow& row : kResultRows) {
        for (const char* symbol : kDialogSummaryColumns) {
            if (std::strcmp(row.symbol, symbol) == 0) {
                cells.push_back({ResultNumber(row, r), true});
            }
        }
    }
}

}  // namespace

const char* const kDesignSummaryColumns[kDesignSummaryColumnCount] = {
    "section1", "ratio1", "section2", "ratio2", "adopted", "adopted_section", "mass", "ok"};
const char* const kDialogSummaryColumns[kDialogSummaryColumnCount] = {"N1", "f1", "u", "f2"};

BayOutcome Outcome(const CheckedRow& bay) {
    if (bay.refusal.Any()) {
        return BayOutcome::Refused;
    }
    if (bay.design == nullptr) {
        return BayOutcome::Computed;
    }
    return bay.design->Adopted() != nullptr ? BayOutcome::Passed : BayOutcome::Failed;
}

Text BayTitle(const CheckedRow& bay) {
    if (bay.name.empty()) {
        return {"第 " + std::to_string(bay.line) + " 行", false};
    }
    return {std::string(bay.name), true};
}

void BuildSummaryRow(const CheckedRow& bay, bool designCheck, SummaryRow& row) {
    const BayOutcome outcome = Outcome(bay);
    row = SummaryRow();
    row.marked = outcome == BayOutcome::Failed;
    row.lines = std::to_string(bay.line);
    row.bay = true;
    row.title = BayTitle(bay);
    if (outcome != BayOutcome::Refused) {
        row.anchor = "bay-" + std::to_string(bay.line);
    }
    row.H = TrimCellSpace(bay.cells[0]);  // as typed
    row.B = TrimCellSpace(bay.cells[1]);
    if (outcome == BayOutcome::Refused) {
        row.note = RefusalText(bay.refusal, kSheetLanguage);
        row.noteColumns = ResultColumns(designCheck);
    } else if (bay.design != nullptr) {
        AddDesignCells(row.results, *bay.design);
    } else {
        AddDialogCells(row.results, bay.results);
    }
}

void BuildLeftOutRow(long fromLine, long toLine, std::string_view reason, bool designCheck, SummaryRow& row) {
    row = SummaryRow();
    row.marked = true;
    row.lines = fromLine == toLine ? std::to_string(fromLine)
                                   : std::to_string(fromLine) + " 至 " + std::to_string(toLine);
    row.notePrefix = "未读入：";
    row.note = reason;
    row.noteColumns = 3 + ResultColumns(designCheck);  // the name, H and B too
}

SummaryEnd BuildSummaryEnd(const long (&counts)[kBayOutcomeCount], long unreadLines, bool designCheck) {
    const auto count = [&counts](BayOutcome outcome) {
        return std::to_string(counts[static_cast<int>(outcome)]);
    };
    const long total = std::accumulate(std::begin(counts), std::end(counts), unreadLines);
    SummaryEnd end;
    end.count = "共 " + std::to_string(total) + " 行：";
    end.count += designCheck ? "满足 " + count(BayOutcome::Passed) + " 个，不满足 " +
                                   count(BayOutcome::Failed) + " 个（※，NG）"
                             : "已计算 " + count(BayOutcome::Computed) + " 个";
    end.count += "，未计算 " + count(BayOutcome::Refused) + " 个（参数有误，无计算页），未读入 " +
                 std::to_string(unreadLines) + " 行。";
    if (unreadLines > 0) {
        // A reviewer must not take the sheet for the whole input.
        end.incomplete = "本计算书不完整：输入中有 " + std::to_string(unreadLines) +
                         " 行未读入，其中的柱撑未计算（见汇总表中的“未读入”行）。";
    }
    return end;
}
