#include "report/html/sheet_design.h"

#include "batch/design_texts.h"
#include "batch/grade_text.h"
#include "batch/section_text.h"
#include "format/fixed_text.h"
#include "report/html/sheet_steps.h"

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
    for (const CriterionText& t : kCriterionTexts) {
        if (t.id == criterion.id) return t;
    }
    return kCriterionTexts[0];
}

const char* ClauseOf(const Criterion& criterion) {
    for (const ClauseText& t : kClauseTexts) {
        if (t.clause == criterion.clause) return t.text;
    }
    return "";
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

void AppendCriteria(std::string& html, const DesignCheck& check) {
    html += "<table class=\"criteria\">\n<thead><tr><th>验算项目</th><th>计算值</th><th>限值</th>"
            "<th>比值</th><th>结论</th><th>依据</th></tr></thead>\n<tbody>\n";
    for (const Criterion& c : check) {
        const CriterionText& t = TextOf(c);
        const bool within = c.ratio <= 1.0;
        html += std::string("<tr><td>") + t.what + " " + t.value + "</td><td class=\"num\">" +
                WithUnit(Number(c.value, t.valueDecimals), t.unit) + "</td><td class=\"num\">" +
                WithUnit(Number(c.limit, t.limitDecimals), t.unit) + "</td><td class=\"num\">" +
                Number(c.ratio, kRatioDecimals) + "</td><td" +
                (within ? ">满足" : " class=\"fail\">不满足") + "</td><td class=\"clause\">" +
                ClauseOf(c) + "</td></tr>\n";
    }
    html += "</tbody>\n</table>\n";
}

std::string Designation(const Section& section) {
    std::string text;
    AppendDesignation(section, text);
    return text;
}

void AppendStrengthStep(std::string& html, const Section& s, SteelGrade grade, double f) {
    AppendStep(html, std::string("f（") + GradeName(grade) + "，t = " +
                         Number(s.t_mm, 0) + " mm）",
               "", Number(f, 0), "N/mm²", "表 4.4.1");
}

void AppendTensionSteps(std::string& html, const BracingResults& r, const Section& s,
                        SteelGrade grade, const DesignCheck& check) {
    const DesignQuantities& c = check.q;
    BeginSteps(html);
    AppendStrengthStep(html, s, grade, c.f);
    AppendStep(html, "λx = 100·Lx1/iy0",
               "100 × " + Number(r.Lx1, 3) + " / " + Number(s.iy0_cm, kPropertyDecimals),
               Number(c.lambda_x, kSlendernessDecimals), "", "7.4.7");
    AppendStep(html, "λy = 100·Ly1/ix",
               "100 × " + Number(r.Ly1, 3) + " / " + Number(s.ix_cm, kPropertyDecimals),
               Number(c.lambda_y, kSlendernessDecimals), "", "7.4.7");
    AppendStep(html, "σ1 = 1000·N1/(100·A)",
               "1000 × " + Number(r.N1, 3) + " / (100 × " + Number(s.A_cm2, kPropertyDecimals) + ")",
               Number(c.sigma, kStressDecimals), "N/mm²", "7.6.1");
    EndSteps(html);
}

// GB 50017-2017 7.6.2 for crossing single angles connected by one leg,
// the other diagonal in tension: lambda_u, lambda_e, lambda_0 and the
// slenderness phi is taken at.
void AppendEquivalentSlendernessSteps(std::string& html, const BracingResults& r,
                                      const Section& s, const DesignCheck& check) {
    const DesignQuantities& c = check.q;
    const DesignBranches& branch = check.branches;
    const std::string epsK = Number(c.eps_k, kFactorDecimals);
    const std::string lambdaU = Number(c.lambda_u, kSlendernessDecimals);
    const std::string lambdaE = Number(c.lambda_e, kSlendernessDecimals);
    const std::string lambda0 = Number(c.lambda_0, kSlendernessDecimals);
    AppendStep(html, "λu = (100·L/ix)/εk",
               "(100 × " + Number(r.L, 3) + " / " + Number(s.ix_cm, kPropertyDecimals) + ") / " +
                   epsK,
               lambdaU, "", "7.6.2");
    if (branch.converted == ConvertedSlenderness::Short) {
        AppendStep(html, "λe = 80 + 0.65·λu（λu ≤ 80）", "80 + 0.65 × " + lambdaU, lambdaE, "",
                   "7.6.2");
    } else if (branch.converted == ConvertedSlenderness::Middle) {
        AppendStep(html, "λe = 52 + λu（80 &lt; λu ≤ 160）", "52 + " + lambdaU, lambdaE, "", "7.6.2");
    } else {
        AppendStep(html, "λe = 20 + 1.2·λu（λu > 160）", "20 + 1.2 × " + lambdaU, lambdaE, "",
                   "7.6.2");
    }
    // Another diagonal in tension: alpha_e 0.75 (Table 7.6.2), mu_u 0.5 (7.4.2-3).
    AppendStep(html, "λ0 = αe·μu·λe ≥ (l1/l)·λu",
               "max(0.75 × 0.5 × " + lambdaE + ", 0.5 × " + lambdaU + ")", lambda0, "",
               branch.lambda_0_floored ? "7.6.2（取下限）" : "7.6.2、表 7.6.2");
    AppendStep(html, "λφ = max(λ2, λ0·εk)",
               "max(" + Number(c.lambda, kSlendernessDecimals) + ", " + lambda0 + " × " + epsK + ")",
               Number(c.lambda_phi, kSlendernessDecimals), "",
               branch.lambda_0_governs ? "7.6.2（λ0 控制）" : "7.6.2");
}

// GB 50017-2017 7.4.6 item 2, where the limit comes from Table 7.4.6 and
// is below 200: whether the force is at most half the stability capacity.
void AppendHalfCapacityStep(std::string& html, const AllowableSlenderness& limit,
                            const DesignCheck& check) {
    if (!limit.halfCapacityRelief || !(limit.lambda < kHalfCapacityLimit)) return;
    const Criterion* stability = check.Find(CriterionId::Stability);
    const bool relieved = check.branches.half_capacity_relief;
    AppendStep(html, "N2/(η·ρ·φ·A·f) = σ2/f",
               Number(stability->value, kStressDecimals) + " / " +
                   Number(stability->limit, kStressDecimals),
               Number(stability->ratio, kRatioDecimals), relieved ? "≤ 0.5" : "> 0.5",
               relieved ? "7.4.6 第 2 款：[λ] 取 200" : "7.4.6 第 2 款：[λ] 仍取表 7.4.6 之值");
}

void AppendCompressionSteps(std::string& html, const BracingResults& r, const Section& s,
                            SteelGrade grade, const AllowableSlenderness& limit,
                            const DesignCheck& check) {
    const DesignQuantities& c = check.q;
    const DesignBranches& branch = check.branches;
    const std::string epsK = Number(c.eps_k, kFactorDecimals);
    const std::string lambda = Number(c.lambda, kSlendernessDecimals);
    const std::string lambdaX = Number(c.lambda_x, kSlendernessDecimals);
    const std::string k1 = Number(c.lambda_n, kFactorDecimals);
    const std::string wt = Number(c.w_t, kWidthRatioDecimals);
    const BucklingCurve& curve = AngleBucklingCurve(grade);
    const bool classA = &curve == &kCurveA;
    BeginSteps(html);
    AppendStrengthStep(html, s, grade, c.f);
    AppendStep(html, "λx = 100·Lx2/iy0",
               "100 × " + Number(r.Lx2, 3) + " / " + Number(s.iy0_cm, kPropertyDecimals), lambdaX,
               "", "7.4.6");
    AppendStep(html, "λy = 100·Ly2/ix",
               "100 × " + Number(r.Ly2, 3) + " / " + Number(s.ix_cm, kPropertyDecimals),
               Number(c.lambda_y, kSlendernessDecimals), "", "7.4.6");
    AppendStep(html, "εk = √(235/fy)", "√(235 / " + Number(YieldStrength(grade), 0) + ")", epsK, "",
               "");
    AppendEquivalentSlendernessSteps(html, r, s, check);
    if (branch.lambda_0_governs) {
        AppendStep(html, "λn = λ0/93.014", Number(c.lambda_0, kSlendernessDecimals) + " / 93.014",
                   k1, "", "7.6.2、附录 D");
    } else {
        AppendStep(html, "λn = λ2/(93.014·εk)", lambda + " / (93.014 × " + epsK + ")", k1, "",
                   "附录 D");
    }
    // Appendix D: the parabola up to 0.215, the Perry formula beyond.
    AppendStep(html,
               branch.phi == PhiBranch::Parabola ? "φ = 1 − α1·λn²" : "φ = [(α2 + α3λn + λn²) − √((α2 + α3λn + λn²)² − 4λn²)]/(2λn²)",
               std::string(classA ? "a 类" : "b 类") + "（表 7.2.1-1）：α1 = " + Number(curve.alpha1, 2) +
                   "，α2 = " + Number(curve.alpha2, 3) + "，α3 = " + Number(curve.alpha3, 3) +
                   "，λn = " + k1,
               Number(c.phi, kFactorDecimals), "", "附录 D");
    AppendStep(html, "η = min(1, 0.6 + 0.0015·max(20, λx))",
               "min(1, 0.6 + 0.0015 × max(20, " + lambdaX + "))", Number(c.eta, kFactorDecimals),
               "", "7.6.1");
    AppendStep(html, "w/t = (b − 2t)/t",
               "(" + Number(s.b_mm, 0) + std::string(" − 2 × ") +
                   Number(s.t_mm, 0) + ") / " + Number(s.t_mm, 0),
               wt, "", "7.3.1");
    if (!branch.rho_reduced) {
        AppendStep(html, "ρ = 1（w/t ≤ 14εk）",
                   wt + " ≤ 14 × " + epsK + " = " + Number(c.w_t_full, kWidthRatioDecimals),
                   Number(c.rho, kFactorDecimals), "", "7.6.3");
    } else {
        AppendStep(html, "ρ = 1.3 − 0.3·(w/t)/(14εk)",
                   "1.3 − 0.3 × " + wt + " / (14 × " + epsK + ")", Number(c.rho, kFactorDecimals),
                   "", "7.6.3");
    }
    const double legWidthLimit = check.Find(CriterionId::LegWidth)->limit;
    if (branch.width_thickness == WidthThicknessLimit::Stocky) {
        AppendStep(html, "[w/t] = 15εk（λx ≤ 80εk）", "15 × " + epsK,
                   Number(legWidthLimit, kWidthRatioDecimals), "", "7.3.1");
    } else {
        AppendStep(html, "[w/t] = 5εk + 0.125·λx（λx > 80εk）",
                   "5 × " + epsK + " + 0.125 × " + lambdaX,
                   Number(legWidthLimit, kWidthRatioDecimals), "", "7.3.1");
    }
    AppendStep(html, "σ2 = 1000·N2/(100·η·ρ·φ·A)",
               "1000 × " + Number(r.N2, 3) + " / (100 × " + Number(c.eta, kFactorDecimals) +
                   " × " + Number(c.rho, kFactorDecimals) + " × " + Number(c.phi, kFactorDecimals) +
                   " × " + Number(s.A_cm2, kPropertyDecimals) + ")",
               Number(c.sigma, kStressDecimals), "N/mm²", "7.6.1");
    AppendHalfCapacityStep(html, limit, check);
    EndSteps(html);
}

void AppendSteps(std::string& html, const BracingResults& r, const Section& s,
                 const BayDesign& design, const DesignCheck& check) {
    if (check.kind == DesignCaseKind::Tension) {
        AppendTensionSteps(html, r, s, design.grade, check);
    } else {
        AppendCompressionSteps(html, r, s, design.grade, design.limits.compression, check);
    }
}

void AppendCase(std::string& html, const char* heading, const char* title,
                const BracingResults& r, const BayDesign& design, const DesignCase& c) {
    html += std::string("<h3>") + heading + title + "</h3>\n";
    if (c.section == nullptr) {
        html += "<p class=\"conclusion fail\">结论：";
        html += title;
        html += "，可选的角钢中没有满足要求的（NG）。</p>\n";
        if (c.before != nullptr) {
            html += "<p class=\"note\">最后试算的 " + Designation(*c.before) + " 不满足：" +
                    Comparison(c.beforeCheck.Governing()) + "。其计算如下：</p>\n";
            AppendSteps(html, r, *c.before, design, c.beforeCheck);
            AppendCriteria(html, c.beforeCheck);
        }
        return;
    }
    AppendSteps(html, r, *c.section, design, c.check);
    const DesignCheck& view = c.check;
    AppendCriteria(html, view);
    html += std::string("<p class=\"conclusion") + (view.ok ? "" : " fail") + "\">结论：" + title +
            "，" + Designation(*c.section) + (c.sized ? "（自动选择）" : "") +
            (view.ok ? " 满足要求（" : " 不满足要求（") + VerdictText(view.ok) + "），" +
            TextOf(view.Governing()).what + "控制，比值 " + Number(view.ratio, kRatioDecimals) +
            "。</p>\n";
    if (c.sized) {
        html += c.before == nullptr
                    ? std::string("<p class=\"note\">它是可选角钢中最轻的一个。</p>\n")
                    : "<p class=\"note\">次轻的 " + Designation(*c.before) + " 不满足：" +
                          Comparison(c.beforeCheck.Governing()) + "。</p>\n";
    }
}

void AppendPropertyRow(std::string& html, const char* which, const Section* s, bool sized) {
    html += std::string("<tr><td>") + which + "</td>";
    if (s == nullptr) {
        html += "<td colspan=\"8\">没有满足要求的角钢</td></tr>\n";
        return;
    }
    html += "<td>" + Designation(*s) + "</td><td class=\"num\">" + Number(s->b_mm, 0) +
            "</td><td class=\"num\">" + Number(s->t_mm, 0) + "</td><td class=\"num\">" +
            Number(s->A_cm2, kPropertyDecimals) + "</td><td class=\"num\">" +
            Number(s->ix_cm, kPropertyDecimals) + "</td><td class=\"num\">" +
            Number(s->iy0_cm, kPropertyDecimals) + "</td><td class=\"num\">" +
            ShortestFixed(s->mass_kg_m, 3).chars + "</td><td>" + (sized ? "自动选择" : "给定") +
            "</td></tr>\n";
}

}  // namespace

void AppendSectionProperties(std::string& html, const BayDesign& design) {
    html += "<table class=\"properties\">\n<thead><tr><th>设计</th><th>截面</th><th>b (mm)</th>"
            "<th>t (mm)</th><th>A (cm²)</th><th>ix (cm)</th><th>iy0 (cm)</th>"
            "<th>质量 (kg/m)</th><th>来源</th></tr></thead>\n<tbody>\n";
    AppendPropertyRow(html, "按拉杆", design.tension.section, design.tension.sized);
    AppendPropertyRow(html, "按压杆", design.compression.section, design.compression.sized);
    html += "</tbody>\n</table>\n";
}

void AppendDesignCases(std::string& html, const BracingResults& r, const BayDesign& design) {
    AppendAdoptedDesign(html, design);
    const char* tension = "按拉杆设计";
    const char* compression = "按压杆设计";
    switch (design.adopted) {
        case AdoptedCase::Tension:
            AppendCase(html, "采用：", tension, r, design, design.tension);
            AppendCase(html, "供参考：", compression, r, design, design.compression);
            break;
        case AdoptedCase::Compression:
            AppendCase(html, "采用：", compression, r, design, design.compression);
            AppendCase(html, "供参考：", tension, r, design, design.tension);
            break;
        case AdoptedCase::None:
            AppendCase(html, "", tension, r, design, design.tension);
            AppendCase(html, "", compression, r, design, design.compression);
            break;
    }
}

const char* MethodText(DesignMethod method) {
    switch (method) {
        case DesignMethod::Tension: return "按拉杆设计";
        case DesignMethod::Compression: return "按压杆设计";
        case DesignMethod::Auto: break;
    }
    return "自动（取满足要求且每米质量较轻者，相同时按压杆）";
}

void AppendAdoptedDesign(std::string& html, const BayDesign& design) {
    const DesignCase* adopted = design.Adopted();
    if (adopted == nullptr) {
        html += std::string("<p class=\"conclusion fail\">采用的设计：无。设计方法“") +
                MethodText(design.method) + "”下没有满足要求的截面（NG）。</p>\n";
        return;
    }
    html += std::string("<p class=\"conclusion\">采用的设计：") +
            (design.adopted == AdoptedCase::Tension ? "按拉杆设计" : "按压杆设计") + "，" +
            Designation(*adopted->section) + "，" +
            Number(adopted->section->mass_kg_m, kMassDecimals) + " kg/m，比值 " +
            Number(adopted->check.ratio, kRatioDecimals) + "（OK）。设计方法：" +
            MethodText(design.method) + "。另一工况列于其后，仅供参考。</p>\n";
}
