#include "report/bay_page.h"

#include "batch/grade_text.h"
#include "batch/design_texts.h"
#include "io/cell_space.h"
#include "report/bay_sketch.h"
#include "report/core_steps.h"
#include "report/design_cases.h"
#include "report/family_steps.h"
#include "report/report_numbers.h"
#include "report/report_words.h"
#include "report/section_sketch.h"
#include "report/summary_rows.h"

namespace {

// The dialog's labels of the seven inputs, in kInputFields' order.
const char* const kInputNames[kInputFieldCount] = {
    "柱撑高度", "柱撑宽度", "纵向榀数", "吊车刹车力", "风荷载合力", "验算截面积", "验算回转半径",
};

void AddRow(std::vector<InputRow>& rows, const char* symbol, const char* name, std::string value,
            bool typed, std::string unit) {
    InputRow row;
    row.symbol = symbol;
    row.name = name;
    row.value.text = std::move(value);
    row.value.typed = typed;
    row.unit = std::move(unit);
    rows.push_back(std::move(row));
}

// The design's own inputs: grade, method, crane duty, the gusset where it
// sits between two angles, and the limits with the clause that may raise them.
void AddDesignBasisRows(const BayDesign& d, std::vector<InputRow>& rows) {
    AddRow(rows, "", "钢号", GradeName(d.grade), false, "");
    if (StepsOf(d.family).gusset) {
        AddRow(rows, "g", "节点板厚度", TableNumber(d.gusset_mm, 2), false, "mm");
    }
    AddRow(rows, "", "设计方法", MethodText(d.method), false, "");
    AddRow(rows, "", "吊车", d.heavyCranes ? "重级工作制（A6–A8）" : "非重级工作制", false, "");
    AddRow(rows, "[λ]", "拉杆容许长细比", Number(d.limits.tension.lambda, kLimitDecimals), false, "");
    const AllowableSlenderness& c = d.limits.compression;
    const bool mayRise = c.halfCapacityRelief && c.lambda < kHalfCapacityLimit;
    AddRow(rows, "[λ]", "压杆容许长细比",
           Number(c.lambda, kLimitDecimals) + (mayRise ? "（N2 ≤ 50% 稳定承载力时取 200，7.4.6 第 2 款）" : ""),
           false, "");
}

void BuildInputs(const CheckedRow& bay, std::vector<InputRow>& rows) {
    rows.clear();
    // A and i are the dialog's trial section; beside a section column they are not used.
    const int count = bay.design == nullptr ? kInputFieldCount : kInputFieldCount - 2;
    for (int k = 0; k < count; ++k) {
        const InputField& field = kInputFields[k];
        // As typed: the value read is exactly this text, where a rounded
        // one could hide a small crane force.
        AddRow(rows, field.symbol, kInputNames[k], std::string(TrimCellSpace(bay.cells[k])), true,
               UnitText(field.unit));
    }
    if (bay.design != nullptr) {
        AddDesignBasisRows(*bay.design, rows);
    }
}

}  // namespace

bool BuildBayPage(const CheckedRow& bay, BayPage& page) {
    if (bay.refusal.Any()) {
        return false;
    }
    page.anchor = "bay-" + std::to_string(bay.line);
    page.headingWord = "柱撑 ";
    page.title = BayTitle(bay);
    page.lineNote = bay.name.empty() ? std::string() : "（第 " + std::to_string(bay.line) + " 行）";
    page.scopeLine = kScopeLine;
    page.design = bay.design != nullptr;
    BuildBaySketch(bay.inputs, bay.results, page.design, page.sketch);
    page.inputsHeading = "基本数据";
    BuildInputs(bay, page.inputs);
    page.stepsHeading = page.design ? "内力与计算长度" : "计算过程（按试算截面 A、i）";
    BuildCoreSteps(bay.inputs, bay.results, !page.design, page.steps);
    page.sectionSketch.marks.clear();
    if (page.design) {
        const FamilyWords& words = WordsOf(bay.design->family);
        BuildSectionSketch(*bay.design, page.sectionSketch);
        page.propertiesHeading = words.propertiesHeading;
        page.propertyColumns = words.propertyColumns;
        page.propertyColumnCount = words.propertyColumnCount;
        BuildSectionProperties(*bay.design, page.properties);
        page.adopted = AdoptedDesign(*bay.design);
        BuildDesignCases(bay.results, *bay.design, page.cases);
    }
    return true;
}
