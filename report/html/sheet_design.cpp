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
    const char* what;
    const char* value;   // the checked quantity
    const char* limit;
    int valueDecimals;
    int limitDecimals;
    const char* unit;
    const char* clause;
};

const CriterionText kTensionSlenderness = {"长细比", "λ1 = max(λx, λy)", "[λ]",
                                           kSlendernessDecimals, kLimitDecimals, "", "表 7.4.7"};
const CriterionText kTensionStrength = {"强度", "σ1", "0.85·f", kStressDecimals,
                                        kStressDecimals, "N/mm²", "7.6.1"};
const CriterionText kCompressionSlenderness = {"长细比", "λ2 = max(λx, λy)", "[λ]",
                                               kSlendernessDecimals, kLimitDecimals, "",
                                               "表 7.4.6"};
const CriterionText kStability = {"稳定", "σ2", "f", kStressDecimals, kStressDecimals, "N/mm²",
                                  "7.6.1、附录 D"};
const CriterionText kLegWidth = {"肢件宽厚比", "w/t", "[w/t]", kWidthRatioDecimals,
                                 kWidthRatioDecimals, "", "7.3.1"};

struct Judged {
    Criterion which;
    const CriterionText* text;
    CriterionCheck check;
};

// A case's criteria, whatever its kind.
struct CaseView {
    Judged criteria[3];
    int count;
    Criterion governing;
    double ratio;
    bool ok;
};

CaseView View(const TensionCheck& c) {
    return {{{Criterion::Slenderness, &kTensionSlenderness, c.slenderness},
             {Criterion::Strength, &kTensionStrength, c.strength},
             {}},
            2, c.governing, c.ratio, c.ok};
}

CaseView View(const CompressionCheck& c) {
    return {{{Criterion::Slenderness, &kCompressionSlenderness, c.slenderness},
             {Criterion::Stability, &kStability, c.stability},
             {Criterion::LegWidth, &kLegWidth, c.leg_width}},
            3, c.governing, c.ratio, c.ok};
}

const Judged& Governing(const CaseView& view) {
    for (int k = 0; k < view.count; ++k) {
        if (view.criteria[k].which == view.governing) {
            return view.criteria[k];
        }
    }
    return view.criteria[0];
}

std::string WithUnit(const std::string& number, const char* unit) {
    return *unit == '\0' ? number : number + " " + unit;
}

// "长细比 λ1 = max(λx, λy) = 301.2 > [λ] = 300（比值 1.004）"
std::string Comparison(const Judged& judged) {
    const CriterionText& t = *judged.text;
    const bool within = judged.check.ratio <= 1.0;
    return std::string(t.what) + " " + t.value + " = " +
           WithUnit(Number(judged.check.value, t.valueDecimals), t.unit) +
           (within ? " ≤ " : " > ") + t.limit + " = " +
           WithUnit(Number(judged.check.limit, t.limitDecimals), t.unit) + "（比值 " +
           Number(judged.check.ratio, kRatioDecimals) + "）";
}

void AppendCriteria(std::string& html, const CaseView& view) {
    html += "<table class=\"criteria\">\n<thead><tr><th>验算项目</th><th>计算值</th><th>限值</th>"
            "<th>比值</th><th>结论</th><th>依据</th></tr></thead>\n<tbody>\n";
    for (int k = 0; k < view.count; ++k) {
        const CriterionText& t = *view.criteria[k].text;
        const CriterionCheck& c = view.criteria[k].check;
        const bool within = c.ratio <= 1.0;
        html += std::string("<tr><td>") + t.what + " " + t.value + "</td><td class=\"num\">" +
                WithUnit(Number(c.value, t.valueDecimals), t.unit) + "</td><td class=\"num\">" +
                WithUnit(Number(c.limit, t.limitDecimals), t.unit) + "</td><td class=\"num\">" +
                Number(c.ratio, kRatioDecimals) + "</td><td" +
                (within ? ">满足" : " class=\"fail\">不满足") + "</td><td class=\"clause\">" +
                t.clause + "</td></tr>\n";
    }
    html += "</tbody>\n</table>\n";
}

std::string Section(const AngleSection& section) {
    std::string text;
    AppendDesignation(section, text);
    return text;
}

void AppendStrengthStep(std::string& html, const AngleSection& s, SteelGrade grade, double f) {
    AppendStep(html, std::string("f（") + GradeName(grade) + "，t = " +
                         Number(s.t_mm, 0) + " mm）",
               "", Number(f, 0), "N/mm²", "表 4.4.1");
}

void AppendSteps(std::string& html, const BracingResults& r, const AngleSection& s,
                 SteelGrade grade, const TensionCheck& c) {
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

void AppendSteps(std::string& html, const BracingResults& r, const AngleSection& s,
                 SteelGrade grade, const CompressionCheck& c) {
    const std::string epsK = Number(c.eps_k, kFactorDecimals);
    const std::string lambda = Number(c.slenderness.value, kSlendernessDecimals);
    const std::string lambdaX = Number(c.lambda_x, kSlendernessDecimals);
    const std::string k1 = Number(c.k1, kFactorDecimals);
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
    AppendStep(html, "λn = λ2/(93.014·εk)", lambda + " / (93.014 × " + epsK + ")", k1, "",
               "附录 D");
    // Appendix D: the parabola up to 0.215, the Perry formula beyond.
    AppendStep(html,
               c.k1 <= 0.215 ? "φ = 1 − α1·λn²" : "φ = [(α2 + α3λn + λn²) − √((α2 + α3λn + λn²)² − 4λn²)]/(2λn²)",
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
    const double slenderLeg = 14.0 * c.eps_k;
    if (c.w_t <= slenderLeg) {
        AppendStep(html, "ρ = 1（w/t ≤ 14εk）",
                   wt + " ≤ 14 × " + epsK + " = " + Number(slenderLeg, kWidthRatioDecimals),
                   Number(c.rho, kFactorDecimals), "", "7.6.3");
    } else {
        AppendStep(html, "ρ = 1.3 − 0.3·(w/t)/(14εk)",
                   "1.3 − 0.3 × " + wt + " / (14 × " + epsK + ")", Number(c.rho, kFactorDecimals),
                   "", "7.6.3");
    }
    if (c.lambda_x <= 80.0 * c.eps_k) {
        AppendStep(html, "[w/t] = 15εk（λx ≤ 80εk）", "15 × " + epsK,
                   Number(c.leg_width.limit, kWidthRatioDecimals), "", "7.3.1");
    } else {
        AppendStep(html, "[w/t] = 5εk + 0.125·λx（λx > 80εk）",
                   "5 × " + epsK + " + 0.125 × " + lambdaX,
                   Number(c.leg_width.limit, kWidthRatioDecimals), "", "7.3.1");
    }
    AppendStep(html, "σ2 = 1000·N2/(100·η·ρ·φ·A)",
               "1000 × " + Number(r.N2, 3) + " / (100 × " + Number(c.eta, kFactorDecimals) +
                   " × " + Number(c.rho, kFactorDecimals) + " × " + Number(c.phi, kFactorDecimals) +
                   " × " + Number(s.A_cm2, kPropertyDecimals) + ")",
               Number(c.sigma, kStressDecimals), "N/mm²", "7.6.1");
    EndSteps(html);
}

template <class Check>
void AppendCase(std::string& html, const char* title, const BracingResults& r,
                const SheetDesign& design, const SheetCase<Check>& c) {
    html += std::string("<h3>") + title + "</h3>\n";
    if (c.section == nullptr) {
        html += "<p class=\"conclusion fail\">结论：";
        html += title;
        html += "，可选的角钢中没有满足要求的（NG）。</p>\n";
        if (c.before != nullptr) {
            html += "<p class=\"note\">最后试算的 " + Section(*c.before) + " 不满足：" +
                    Comparison(Governing(View(c.beforeCheck))) + "。其计算如下：</p>\n";
            AppendSteps(html, r, *c.before, design.grade, c.beforeCheck);
            AppendCriteria(html, View(c.beforeCheck));
        }
        return;
    }
    AppendSteps(html, r, *c.section, design.grade, c.check);
    const CaseView view = View(c.check);
    AppendCriteria(html, view);
    html += std::string("<p class=\"conclusion") + (view.ok ? "" : " fail") + "\">结论：" + title +
            "，" + Section(*c.section) + (c.sized ? "（自动选择）" : "") +
            (view.ok ? " 满足要求（" : " 不满足要求（") + VerdictText(view.ok) + "），" +
            Governing(view).text->what + "控制，比值 " + Number(view.ratio, kRatioDecimals) +
            "。</p>\n";
    if (c.sized) {
        html += c.before == nullptr
                    ? std::string("<p class=\"note\">它是可选角钢中最轻的一个。</p>\n")
                    : "<p class=\"note\">次轻的 " + Section(*c.before) + " 不满足：" +
                          Comparison(Governing(View(c.beforeCheck))) + "。</p>\n";
    }
}

void AppendPropertyRow(std::string& html, const char* which, const AngleSection* s, bool sized) {
    html += std::string("<tr><td>") + which + "</td>";
    if (s == nullptr) {
        html += "<td colspan=\"8\">没有满足要求的角钢</td></tr>\n";
        return;
    }
    html += "<td>" + Section(*s) + "</td><td class=\"num\">" + Number(s->b_mm, 0) +
            "</td><td class=\"num\">" + Number(s->t_mm, 0) + "</td><td class=\"num\">" +
            Number(s->A_cm2, kPropertyDecimals) + "</td><td class=\"num\">" +
            Number(s->ix_cm, kPropertyDecimals) + "</td><td class=\"num\">" +
            Number(s->iy0_cm, kPropertyDecimals) + "</td><td class=\"num\">" +
            ShortestFixed(s->mass_kg_m, 3).chars + "</td><td>" + (sized ? "自动选择" : "给定") +
            "</td></tr>\n";
}

}  // namespace

void AppendSectionProperties(std::string& html, const SheetDesign& design) {
    html += "<table class=\"properties\">\n<thead><tr><th>设计</th><th>截面</th><th>b (mm)</th>"
            "<th>t (mm)</th><th>A (cm²)</th><th>ix (cm)</th><th>iy0 (cm)</th>"
            "<th>质量 (kg/m)</th><th>来源</th></tr></thead>\n<tbody>\n";
    AppendPropertyRow(html, "按拉杆", design.tension.section, design.tension.sized);
    AppendPropertyRow(html, "按压杆", design.compression.section, design.compression.sized);
    html += "</tbody>\n</table>\n";
}

void AppendDesignCases(std::string& html, const BracingResults& r, const SheetDesign& design) {
    AppendCase(html, "按拉杆设计", r, design, design.tension);
    AppendCase(html, "按压杆设计", r, design, design.compression);
}
