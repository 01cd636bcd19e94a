#include "report/design_cases.h"

#include "batch/design_texts.h"
#include "batch/grade_text.h"
#include "batch/section_text.h"
#include "report/report_numbers.h"
#include "report/report_words.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr int kWidthRatioDecimals = 2;   // w/t and its limit
constexpr int kPropertyDecimals = 3;     // A, ix, iy0: as the section list prints them

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
};

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
};

const CriterionText& TextOf(const Criterion& criterion) {
    const auto end = std::end(kCriterionTexts);
    const auto found = std::find_if(std::begin(kCriterionTexts), end,
                                    [&](const CriterionText& t) { return t.id == criterion.id; });
    return found == end ? kCriterionTexts[0] : *found;
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
           (within ? " ≤ " : " > ") + t.limit + " = " +
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

Step StrengthStep(const Section& s, SteelGrade grade, double f) {
    return {std::string("f（") + GradeName(grade) + "，t = " + Number(s.t_mm, 0) + " mm）", "",
            Number(f, 0), "N/mm²", "表 4.4.1"};
}

void AddTensionSteps(const BracingResults& r, const Section& s, SteelGrade grade,
                     const DesignCheck& check, std::vector<Step>& steps) {
    const DesignQuantities& c = check.q;
    steps = {
        StrengthStep(s, grade, c.f),
        {"λx = 100·Lx1/iy0", "100 × " + Number(r.Lx1, 3) + " / " + Number(s.iy0_cm, kPropertyDecimals),
         Number(c.lambda_x, kSlendernessDecimals), "", "7.4.7"},
        {"λy = 100·Ly1/ix", "100 × " + Number(r.Ly1, 3) + " / " + Number(s.ix_cm, kPropertyDecimals),
         Number(c.lambda_y, kSlendernessDecimals), "", "7.4.7"},
        {"σ1 = 1000·N1/(100·A)",
         "1000 × " + Number(r.N1, 3) + " / (100 × " + Number(s.A_cm2, kPropertyDecimals) + ")",
         Number(c.sigma, kStressDecimals), "N/mm²", "7.6.1"},
    };
}

// GB 50017-2017 7.6.2 for crossing single angles connected by one leg,
// the other diagonal in tension: lambda_u, lambda_e, lambda_0 and the
// slenderness phi is taken at.
void AddEquivalentSlendernessSteps(const BracingResults& r, const Section& s,
                                   const DesignCheck& check, std::vector<Step>& steps) {
    const DesignQuantities& c = check.q;
    const DesignBranches& branch = check.branches;
    const std::string epsK = Number(c.eps_k, kFactorDecimals);
    const std::string lambdaU = Number(c.lambda_u, kSlendernessDecimals);
    const std::string lambdaE = Number(c.lambda_e, kSlendernessDecimals);
    const std::string lambda0 = Number(c.lambda_0, kSlendernessDecimals);
    steps.push_back({"λu = (100·L/ix)/εk",
                     "(100 × " + Number(r.L, 3) + " / " + Number(s.ix_cm, kPropertyDecimals) + ") / " + epsK,
                     lambdaU, "", "7.6.2"});
    if (branch.converted == ConvertedSlenderness::Short) {
        steps.push_back({"λe = 80 + 0.65·λu（λu ≤ 80）", "80 + 0.65 × " + lambdaU, lambdaE, "", "7.6.2"});
    } else if (branch.converted == ConvertedSlenderness::Middle) {
        steps.push_back({"λe = 52 + λu（80 < λu ≤ 160）", "52 + " + lambdaU, lambdaE, "", "7.6.2"});
    } else {
        steps.push_back({"λe = 20 + 1.2·λu（λu > 160）", "20 + 1.2 × " + lambdaU, lambdaE, "", "7.6.2"});
    }
    // Another diagonal in tension: alpha_e 0.75 (Table 7.6.2), mu_u 0.5 (7.4.2-3).
    steps.push_back({"λ0 = αe·μu·λe ≥ (l1/l)·λu",
                     "max(0.75 × 0.5 × " + lambdaE + ", 0.5 × " + lambdaU + ")", lambda0, "",
                     branch.lambda_0_floored ? "7.6.2（取下限）" : "7.6.2、表 7.6.2"});
    steps.push_back({"λφ = max(λ2, λ0·εk)",
                     "max(" + Number(c.lambda, kSlendernessDecimals) + ", " + lambda0 + " × " + epsK + ")",
                     Number(c.lambda_phi, kSlendernessDecimals), "",
                     branch.lambda_0_governs ? "7.6.2（λ0 控制）" : "7.6.2"});
}

// GB 50017-2017 7.4.6 item 2, where the limit comes from Table 7.4.6 and
// is below 200: whether the force is at most half the stability capacity.
void AddHalfCapacityStep(const AllowableSlenderness& limit, const DesignCheck& check, std::vector<Step>& steps) {
    if (!limit.halfCapacityRelief || !(limit.lambda < kHalfCapacityLimit)) return;
    const Criterion* stability = check.Find(CriterionId::Stability);
    const bool relieved = check.branches.half_capacity_relief;
    steps.push_back({"N2/(η·ρ·φ·A·f) = σ2/f",
                     Number(stability->value, kStressDecimals) + " / " +
                         Number(stability->limit, kStressDecimals),
                     Number(stability->ratio, kRatioDecimals), relieved ? "≤ 0.5" : "> 0.5",
                     relieved ? "7.4.6 第 2 款：[λ] 取 200" : "7.4.6 第 2 款：[λ] 仍取表 7.4.6 之值"});
}

void AddCompressionSteps(const BracingResults& r, const Section& s, SteelGrade grade,
                         const AllowableSlenderness& limit, const DesignCheck& check, std::vector<Step>& steps) {
    const DesignQuantities& c = check.q;
    const DesignBranches& branch = check.branches;
    const std::string epsK = Number(c.eps_k, kFactorDecimals);
    const std::string lambda = Number(c.lambda, kSlendernessDecimals);
    const std::string lambdaX = Number(c.lambda_x, kSlendernessDecimals);
    const std::string k1 = Number(c.lambda_n, kFactorDecimals);
    const std::string wt = Number(c.w_t, kWidthRatioDecimals);
    const BucklingCurve& curve = AngleBucklingCurve(grade);
    const bool classA = &curve == &kCurveA;
    steps = {
        StrengthStep(s, grade, c.f),
        {"λx = 100·Lx2/iy0", "100 × " + Number(r.Lx2, 3) + " / " + Number(s.iy0_cm, kPropertyDecimals),
         lambdaX, "", "7.4.6"},
        {"λy = 100·Ly2/ix", "100 × " + Number(r.Ly2, 3) + " / " + Number(s.ix_cm, kPropertyDecimals),
         Number(c.lambda_y, kSlendernessDecimals), "", "7.4.6"},
        {"εk = √(235/fy)", "√(235 / " + Number(YieldStrength(grade), 0) + ")", epsK, "", ""},
    };
    AddEquivalentSlendernessSteps(r, s, check, steps);
    if (branch.lambda_0_governs) {
        steps.push_back({"λn = λ0/93.014", Number(c.lambda_0, kSlendernessDecimals) + " / 93.014", k1, "",
                         "7.6.2、附录 D"});
    } else {
        steps.push_back({"λn = λ2/(93.014·εk)", lambda + " / (93.014 × " + epsK + ")", k1, "", "附录 D"});
    }
    // Appendix D: the parabola up to 0.215, the Perry formula beyond; the check's branch.
    steps.push_back(
        {branch.phi == PhiBranch::Parabola
             ? "φ = 1 − α1·λn²"
             : "φ = [(α2 + α3λn + λn²) − √((α2 + α3λn + λn²)² − 4λn²)]/(2λn²)",
         std::string(classA ? "a 类" : "b 类") + "（表 7.2.1-1）：α1 = " + Number(curve.alpha1, 2) +
             "，α2 = " + Number(curve.alpha2, 3) + "，α3 = " + Number(curve.alpha3, 3) + "，λn = " + k1,
         Number(c.phi, kFactorDecimals), "", "附录 D"});
    steps.push_back({"η = min(1, 0.6 + 0.0015·max(20, λx))", "min(1, 0.6 + 0.0015 × max(20, " + lambdaX + "))",
                     Number(c.eta, kFactorDecimals), "", "7.6.1"});
    steps.push_back({"w/t = (b − 2t)/t",
                     "(" + Number(s.b_mm, 0) + " − 2 × " + Number(s.t_mm, 0) + ") / " + Number(s.t_mm, 0),
                     wt, "", "7.3.1"});
    if (!branch.rho_reduced) {
        steps.push_back({"ρ = 1（w/t ≤ 14εk）",
                         wt + " ≤ 14 × " + epsK + " = " + Number(c.w_t_full, kWidthRatioDecimals),
                         Number(c.rho, kFactorDecimals), "", "7.6.3"});
    } else {
        steps.push_back({"ρ = 1.3 − 0.3·(w/t)/(14εk)", "1.3 − 0.3 × " + wt + " / (14 × " + epsK + ")",
                         Number(c.rho, kFactorDecimals), "", "7.6.3"});
    }
    const double legWidthLimit = check.Find(CriterionId::LegWidth)->limit;
    if (branch.width_thickness == WidthThicknessLimit::Stocky) {
        steps.push_back({"[w/t] = 15εk（λx ≤ 80εk）", "15 × " + epsK,
                         Number(legWidthLimit, kWidthRatioDecimals), "", "7.3.1"});
    } else {
        steps.push_back({"[w/t] = 5εk + 0.125·λx（λx > 80εk）", "5 × " + epsK + " + 0.125 × " + lambdaX,
                         Number(legWidthLimit, kWidthRatioDecimals), "", "7.3.1"});
    }
    steps.push_back({"σ2 = 1000·N2/(100·η·ρ·φ·A)",
                     "1000 × " + Number(r.N2, 3) + " / (100 × " + Number(c.eta, kFactorDecimals) + " × " +
                         Number(c.rho, kFactorDecimals) + " × " + Number(c.phi, kFactorDecimals) + " × " +
                         Number(s.A_cm2, kPropertyDecimals) + ")",
                     Number(c.sigma, kStressDecimals), "N/mm²", "7.6.1"});
    AddHalfCapacityStep(limit, check, steps);
}

// The steps and criteria of `check` on `section`.
void BuildCalculation(const BracingResults& r, const Section& section, const BayDesign& design,
                      const DesignCheck& check, CaseReport& out) {
    out.calculated = true;
    if (check.kind == DesignCaseKind::Tension) {
        AddTensionSteps(r, section, design.grade, check, out.steps);
    } else {
        AddCompressionSteps(r, section, design.grade, design.limits.compression, check, out.steps);
    }
    BuildCriteria(check, out);
}

void BuildCase(const char* heading, const char* title, const BracingResults& r, const BayDesign& design,
               const DesignCase& c, CaseReport& out) {
    out = CaseReport();
    out.title = std::string(heading) + title;
    if (c.section == nullptr) {
        out.lead.push_back({Emphasis::Fail, std::string("结论：") + title + "，可选的角钢中没有满足要求的（NG）。"});
        if (c.before != nullptr) {
            out.lead.push_back({Emphasis::Note, "最后试算的 " + Designation(*c.before) + " 不满足：" +
                                                    Comparison(c.beforeCheck.Governing()) + "。其计算如下："});
            BuildCalculation(r, *c.before, design, c.beforeCheck, out);
        }
        return;
    }
    BuildCalculation(r, *c.section, design, c.check, out);
    const DesignCheck& view = c.check;
    out.closing.push_back({view.ok ? Emphasis::Ok : Emphasis::Fail,
                           std::string("结论：") + title + "，" + Designation(*c.section) +
                               (c.sized ? "（自动选择）" : "") + (view.ok ? " 满足要求（" : " 不满足要求（") +
                               VerdictText(view.ok) + "），" + TextOf(view.Governing()).what + "控制，比值 " +
                               Number(view.ratio, kRatioDecimals) + "。"});
    if (c.sized) {
        out.closing.push_back({Emphasis::Note, c.before == nullptr
                                                   ? std::string("它是可选角钢中最轻的一个。")
                                                   : "次轻的 " + Designation(*c.before) + " 不满足：" +
                                                         Comparison(c.beforeCheck.Governing()) + "。"});
    }
}

void BuildPropertyRow(const char* which, const Section* s, bool sized, PropertyRow& row) {
    row = {which, {}, "没有满足要求的角钢"};
    if (s == nullptr) {
        return;
    }
    row.cells = {{Designation(*s), false},
                 {Number(s->b_mm, 0), true},
                 {Number(s->t_mm, 0), true},
                 {Number(s->A_cm2, kPropertyDecimals), true},
                 {Number(s->ix_cm, kPropertyDecimals), true},
                 {Number(s->iy0_cm, kPropertyDecimals), true},
                 {TableNumber(s->mass_kg_m, 3), true},
                 {sized ? "自动选择" : "给定", false}};
}

}  // namespace

void BuildSectionProperties(const BayDesign& design, PropertyRow (&rows)[2]) {
    BuildPropertyRow("按拉杆", design.tension.section, design.tension.sized, rows[0]);
    BuildPropertyRow("按压杆", design.compression.section, design.compression.sized, rows[1]);
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
            BuildCase("采用：", tension, r, design, design.tension, cases[0]);
            BuildCase("供参考：", compression, r, design, design.compression, cases[1]);
            break;
        case AdoptedCase::Compression:
            BuildCase("采用：", compression, r, design, design.compression, cases[0]);
            BuildCase("供参考：", tension, r, design, design.tension, cases[1]);
            break;
        case AdoptedCase::None:
            BuildCase("", tension, r, design, design.tension, cases[0]);
            BuildCase("", compression, r, design, design.compression, cases[1]);
            break;
    }
}
