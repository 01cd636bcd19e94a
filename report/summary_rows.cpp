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

// Those after the bay's name, H and B: the adopted case, its section,
// ratio and ok; or, without sections, N1, f1, u and f2.
constexpr int kResultColumns = 4;
// The results a summary line shows of the dialog's fifteen.
const char* const kDialogSymbols[kResultColumns] = {"N1", "f1", "u", "f2"};

template <int Count>
std::string DesignCell(const DesignColumn (&columns)[Count], const char* name, const DesignCase& c) {
    for (const DesignColumn& column : columns) {
        if (std::strcmp(column.name, name) == 0) {
            return DesignCellText(column, c.section, c.check);
        }
    }
    return std::string();
}

// The adopted design: which case, its section, its ratio, and ok.
void AddAdoptedCells(std::vector<Cell>& cells, const BayDesign& d) {
    const DesignCase* adopted = d.Adopted();
    const char* which = d.adopted == AdoptedCase::Tension       ? "按拉杆"
                        : d.adopted == AdoptedCase::Compression ? "按压杆"
                                                                : "无";
    std::string section;
    std::string ratio;
    if (adopted != nullptr) {
        section = DesignCell(kTensionColumns, "section1", *adopted);
        ratio = d.adopted == AdoptedCase::Tension ? DesignCell(kTensionColumns, "ratio1", *adopted)
                                                  : DesignCell(kCompressionColumns, "ratio2", *adopted);
    }
    cells.push_back({which, false});
    cells.push_back({std::move(section), false});
    cells.push_back({std::move(ratio), true});
    cells.push_back({VerdictText(adopted != nullptr), false});
}

void AddDialogCells(std::vector<Cell>& cells, const BracingResults& r) {
    for (const ResultRow& row : kResultRows) {
        for (const char* symbol : kDialogSymbols) {
            if (std::strcmp(row.symbol, symbol) == 0) {
                cells.push_back({ResultNumber(row, r), true});
            }
        }
    }
}

}  // namespace

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

void BuildSummaryRow(const CheckedRow& bay, SummaryRow& row) {
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
        row.noteColumns = kResultColumns;
    } else if (bay.design != nullptr) {
        AddAdoptedCells(row.results, *bay.design);
    } else {
        AddDialogCells(row.results, bay.results);
    }
}

void BuildLeftOutRow(long fromLine, long toLine, std::string_view reason, SummaryRow& row) {
    row = SummaryRow();
    row.marked = true;
    row.lines = fromLine == toLine ? std::to_string(fromLine)
                                   : std::to_string(fromLine) + " 至 " + std::to_string(toLine);
    row.notePrefix = "未读入：";
    row.note = reason;
    row.noteColumns = 3 + kResultColumns;  // the name, H and B too
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
