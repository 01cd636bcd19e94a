#include "report/design_cases.h"

#include "batch/design_texts.h"
#include "batch/section_text.h"
#include "design/families/families.h"
#include "report/case_steps.h"
#include "report/family_steps.h"
#include "report/report_numbers.h"
#include "report/report_words.h"

#include <algorithm>
#include <iterator>

namespace {

// What a case is to the bay's design: its heading says so. A case kept
// for reference shows its criteria only: the bay's page is the adopted
// design's, and one page holds one worked case.
enum class CaseRole { Adopted, ForReference, NoneAdopted };

const char* HeadingOf(CaseRole role) {
    switch (role) {
        case CaseRole::Adopted: return "采用：";
        case CaseRole::ForReference: return "供参考：";
        case CaseRole::NoneAdopted: break;
    }
    return "";
}

const char* const kCriteriaOnly = "此工况仅供比较，只列验算结果，计算过程从略。";

// How the sheet names and shows one criterion.
struct CriterionText {
    CriterionId id;
    const char* what;
    const char* value;   // the checked quantity
    const char* limit;
    int valueDecimals;
    int limitDecimals;
    const char* unit;
};

const CriterionText kCriterionTexts[] = {
    {CriterionId::TensionSlenderness, "长细比", "λ1 = max(λx, λy)", "[λ]", kSlendernessDecimals,
     kLimitDecimals, ""},
    {CriterionId::TensionStrength, "强度", "σ1", "0.85·f", kStressDecimals, kStressDecimals,
     "N/mm²"},
    {CriterionId::CompressionSlenderness, "长细比", "λ2 = max(λx, λy)", "[λ]",
     kSlendernessDecimals, kLimitDecimals, ""},
    {CriterionId::Stability, "稳定", "σ2", "f", kStressDecimals, kStressDecimals, "N/mm²"},
    {CriterionId::LegWidth, "肢件宽厚比", "w/t", "[w/t]", kWidthRatioDecimals,
     kWidthRatioDecimals, ""},
    {CriterionId::CompressionStrength, "端部截面强度", "N2/A", "0.85·f", kStressDecimals, kStressDecimals,
     "N/mm²"},
    {CriterionId::TubeWall, "径厚比", "D/t", "100εk²", kWidthRatioDecimals, kWidthRatioDecimals, ""},
};

// A tube's or a bar's strength is against f itself (GB 50017-2017 7.1.1),
// not 0.85 f.
struct LimitByClause {
    CriterionId id;
    Clause clause;
    const char* limit;
};

const LimitByClause kLimitsByClause[] = {{CriterionId::TensionStrength, Clause::Clause7_1_1, "f"}};

struct ClauseText {
    Clause clause;
    // cppcheck-suppress unusedStructMember ; read through find_if's iterator in ClauseOf
    const char* text;
};

const ClauseText kClauseTexts[] = {
    {Clause::Table7_4_7, "表 7.4.7"},
    {Clause::Table7_4_6, "表 7.4.6"},
    {Clause::Clause7_4_6Item2, "7.4.6 第 2 款"},
    {Clause::Clause7_6_1, "7.6.1"},
    {Clause::Clause7_6_1AppendixD, "7.6.1、附录 D"},
    {Clause::Clause7_6_2AppendixD, "7.6.1、7.6.2、附录 D"},
    {Clause::Clause7_3_1, "7.3.1"},
    {Clause::Clause7_1_1, "7.1.1"},
    {Clause::Table7_1_3, "表 7.1.3"},
    {Clause::Clause7_2_1AppendixD, "7.2.1、附录 D"},
    {Clause::Clause7_2_2AppendixD, "7.2.1、7.2.2、附录 D"},
    {Clause::Clause7_3_1Item6, "7.3.1 第 6 款"},
};

const CriterionText& TextOf(const Criterion& criterion) {
    const auto end = std::end(kCriterionTexts);
    const auto found = std::find_if(std::begin(kCriterionTexts), end,
                                    [&](const CriterionText& t) { return t.id == criterion.id; });
    return found == end ? kCriterionTexts[0] : *found;
}

const char* LimitOf(const Criterion& criterion) {
    for (const LimitByClause& l : kLimitsByClause) {
        if (l.id == criterion.id && l.clause == criterion.clause) return l.limit;
    }
    return TextOf(criterion).limit;
}

const char* ClauseOf(const Criterion& criterion) {
    const auto end = std::end(kClauseTexts);
    const auto found = std::find_if(std::begin(kClauseTexts), end,
                                    [&](const ClauseText& t) { return t.clause == criterion.clause; });
    return found == end ? "" : found->text;
}

std::string WithUnit(const std::string& number, const char* unit) {
    return *unit == '\0' ? number : number + " " + unit;
}

// "长细比 λ1 = max(λx, λy) = 301.2 > [λ] = 300（比值 1.004）"
std::string Comparison(const Criterion& judged) {
    const CriterionText& t = TextOf(judged);
    const bool within = judged.ratio <= 1.0;
    return std::string(t.what) + " " + t.value + " = " +
           WithUnit(Number(judged.value, t.valueDecimals), t.unit) +
           (within ? " ≤ " : " > ") + LimitOf(judged) + " = " +
           WithUnit(Number(judged.limit, t.limitDecimals), t.unit) + "（比值 " +
           Number(judged.ratio, kRatioDecimals) + "）";
}

// Every criterion of `check` in its order: the one list the verdict came from.
void BuildCriteria(const DesignCheck& check, CaseReport& out) {
    out.criteriaColumns = kCriteriaColumns;
    out.criteriaColumnCount = kCriteriaColumnCount;
    for (const Criterion& c : check) {
        const CriterionText& t = TextOf(c);
        const bool within = c.ratio <= 1.0;
        out.criteria.push_back({std::string(t.what) + " " + t.value,
                                WithUnit(Number(c.value, t.valueDecimals), t.unit),
                                WithUnit(Number(c.limit, t.limitDecimals), t.unit),
                                Number(c.ratio, kRatioDecimals), within, within ? "满足" : "不满足",
                                ClauseOf(c)});
    }
}

std::string Designation(const Section& section) {
    std::string text;
    AppendDesignation(section, text);
    return text;
}

// The steps and criteria of `check` on `section`, as its family works them out.
void BuildCalculation(const BracingResults& r, const Section& section, const BayDesign& design,
                      const DesignCheck& check, bool withSteps, CaseReport& out) {
    const FamilySteps& family = StepsOf(design.family);
    const auto steps = check.kind == DesignCaseKind::Tension ? family.tension : family.compression;
    out.calculated = true;
    if (steps != nullptr && withSteps) {
        steps(CaseInputs{r, section, design, check}, out.steps);
    }
    BuildCriteria(check, out);
}

void BuildCase(CaseRole role, const char* title, const BracingResults& r, const BayDesign& design,
               const DesignCase& c, CaseReport& out) {
    out = CaseReport();
    out.title = std::string(HeadingOf(role)) + title;
    if (!c.applies) {
        out.lead.push_back({Emphasis::Note, std::string(kNoCompressionCase) + "。"});
        return;
    }
    const bool withSteps = role != CaseRole::ForReference;
    if (!withSteps) {
        out.lead.push_back({Emphasis::Note, kCriteriaOnly});
    }
    const char* noun = WordsOf(design.family).noun;
    if (c.section == nullptr) {
        out.lead.push_back(
            {Emphasis::Fail, std::string("结论：") + title + "，可选的" + noun + "中没有满足要求的（NG）。"});
        if (c.before != nullptr) {
            out.lead.push_back({Emphasis::Note, "最后试算的 " + Designation(*c.before) + " 不满足：" +
                                                    Comparison(c.beforeCheck.Governing()) + "。其计算如下："});
            BuildCalculation(r, *c.before, design, c.beforeCheck, withSteps, out);
        }
        return;
    }
    BuildCalculation(r, *c.section, design, c.check, withSteps, out);
    const DesignCheck& view = c.check;
    out.closing.push_back({view.ok ? Emphasis::Ok : Emphasis::Fail,
                           std::string("结论：") + title + "，" + Designation(*c.section) +
                               (c.sized ? "（自动选择）" : "") + (view.ok ? " 满足要求（" : " 不满足要求（") +
                               VerdictText(view.ok) + "），" + TextOf(view.Governing()).what + "控制，比值 " +
                               Number(view.ratio, kRatioDecimals) + "。"});
    if (c.sized) {
        out.closing.push_back({Emphasis::Note, c.before == nullptr
                                                   ? std::string("它是可选") + noun + "中最轻的一个。"
                                                   : "次轻的 " + Designation(*c.before) + " 不满足：" +
                                                         Comparison(c.beforeCheck.Governing()) + "。"});
    }
}

void BuildPropertyRow(const char* which, const DesignCase& c, const BayDesign& design, PropertyRow& row) {
    row = {which, {}, c.applies ? WordsOf(design.family).nonePasses : kNoCompressionCase};
    if (c.section == nullptr) {
        return;
    }
    const Section& s = *c.section;
    row.cells = {{Designation(s), false}};
    StepsOf(design.family).properties(s, FamilyOf(design.family).radii(s, design.gusset_mm), row.cells);
    row.cells.push_back({c.sized ? "自动选择" : "给定", false});
}

}  // namespace

void BuildSectionProperties(const BayDesign& design, PropertyRow (&rows)[2]) {
    BuildPropertyRow("按拉杆", design.tension, design, rows[0]);
    BuildPropertyRow("按压杆", design.compression, design, rows[1]);
}

const char* MethodText(DesignMethod method) {
    switch (method) {
        case DesignMethod::Tension: return "按拉杆设计";
        case DesignMethod::Compression: return "按压杆设计";
        case DesignMethod::Auto: break;
    }
    return "自动（取满足要求且每米质量较轻者，相同时按压杆）";
}

Paragraph AdoptedDesign(const BayDesign& design) {
    const DesignCase* adopted = design.Adopted();
    if (adopted == nullptr) {
        return {Emphasis::Fail, std::string("采用的设计：无。设计方法“") + MethodText(design.method) +
                                    "”下没有满足要求的截面（NG）。"};
    }
    return {Emphasis::Ok, std::string("采用的设计：") +
                              (design.adopted == AdoptedCase::Tension ? "按拉杆设计" : "按压杆设计") + "，" +
                              Designation(*adopted->section) + "，" +
                              Number(adopted->section->mass_kg_m, kMassDecimals) + " kg/m，比值 " +
                              Number(adopted->check.ratio, kRatioDecimals) + "（OK）。设计方法：" +
                              MethodText(design.method) + "。另一工况列于其后，仅供参考。"};
}

void BuildDesignCases(const BracingResults& r, const BayDesign& design, CaseReport (&cases)[2]) {
    const char* tension = "按拉杆设计";
    const char* compression = "按压杆设计";
    switch (design.adopted) {
        case AdoptedCase::Tension:
            BuildCase(CaseRole::Adopted, tension, r, design, design.tension, cases[0]);
            BuildCase(CaseRole::ForReference, compression, r, design, design.compression, cases[1]);
            break;
        case AdoptedCase::Compression:
            BuildCase(CaseRole::Adopted, compression, r, design, design.compression, cases[0]);
            BuildCase(CaseRole::ForReference, tension, r, design, design.tension, cases[1]);
            break;
        case AdoptedCase::None:
            BuildCase(CaseRole::NoneAdopted, tension, r, design, design.tension, cases[0]);
            BuildCase(CaseRole::NoneAdopted, compression, r, design, design.compression, cases[1]);
            break;
    }
}
