#include "report/case_steps.h"

#include "batch/design_texts.h"
#include "batch/grade_text.h"
#include "report/report_numbers.h"

std::string DimensionText(const char* symbol, double mm) {
    return std::string(symbol) + " = " + TableNumber(mm, 2) + " mm";
}

Step StrengthStep(const CaseInputs& in, const std::string& by, const char* table) {
    return {std::string("f（") + GradeName(in.design.grade) + "，" + by + "）", "", Number(in.check.q.f, 0),
            "N/mm²", table};
}

Step SlendernessStep(const char* formula, double length_m, double radius_cm, double lambda, const char* clause) {
    return {formula, "100 × " + Number(length_m, 3) + " / " + Number(radius_cm, kPropertyDecimals),
            Number(lambda, kSlendernessDecimals), "", clause};
}

Step StressStep(const char* formula, double N_kN, const std::string& area, double sigma, const char* clause) {
    return {formula, "1000 × " + Number(N_kN, 3) + " / (100 × " + area + ")", Number(sigma, kStressDecimals),
            "N/mm²", clause};
}

Step EpsKStep(const CaseInputs& in) {
    return {"εk = √(235/fy)", "√(235 / " + Number(YieldStrength(in.design.grade), 0) + ")",
            Number(in.check.q.eps_k, kFactorDecimals), "", ""};
}

Step LambdaNStep(const char* symbol, double lambda, const DesignQuantities& q) {
    return {std::string("λn = ") + symbol + "/(93.014·εk)",
            Number(lambda, kSlendernessDecimals) + " / (93.014 × " + Number(q.eps_k, kFactorDecimals) + ")",
            Number(q.lambda_n, kFactorDecimals), "", "附录 D"};
}

Step PhiStep(const DesignCheck& check) {
    const BucklingCurve& curve = *check.branches.curve;
    // Appendix D: the parabola up to 0.215, the Perry formula beyond; the check's branch.
    return {check.branches.phi == PhiBranch::Parabola
                ? "φ = 1 − α1·λn²"
                : "φ = [(α2 + α3λn + λn²) − √((α2 + α3λn + λn²)² − 4λn²)]/(2λn²)",
            std::string(&curve == &kCurveA ? "a 类" : "b 类") + "（表 7.2.1-1）：α1 = " + Number(curve.alpha1, 2) +
                "，α2 = " + Number(curve.alpha2, 3) + "，α3 = " + Number(curve.alpha3, 3) +
                "，λn = " + Number(check.q.lambda_n, kFactorDecimals),
            Number(check.q.phi, kFactorDecimals), "", "附录 D"};
}

Step LegWidthStep(const Section& s, const DesignQuantities& q) {
    return {"w/t = (b − 2t)/t",
            "(" + Number(s.b_mm, 0) + " − 2 × " + Number(s.t_mm, 0) + ") / " + Number(s.t_mm, 0),
            Number(q.w_t, kWidthRatioDecimals), "", "7.3.1"};
}

Step LegWidthLimitStep(const DesignCheck& check) {
    const std::string epsK = Number(check.q.eps_k, kFactorDecimals);
    const std::string limit = Number(check.Find(CriterionId::LegWidth)->limit, kWidthRatioDecimals);
    if (check.branches.width_thickness == WidthThicknessLimit::Stocky) {
        return {"[w/t] = 15εk（λx ≤ 80εk）", "15 × " + epsK, limit, "", "7.3.1"};
    }
    return {"[w/t] = 5εk + 0.125·λx（λx > 80εk）",
            "5 × " + epsK + " + 0.125 × " + Number(check.q.lambda_x, kSlendernessDecimals), limit, "", "7.3.1"};
}

void AddHalfCapacityStep(const char* formula, const CaseInputs& in, std::vector<Step>& steps) {
    const AllowableSlenderness& limit = in.design.limits.compression;
    if (!limit.halfCapacityRelief || !(limit.lambda < kHalfCapacityLimit)) return;
    const Criterion* stability = in.check.Find(CriterionId::Stability);
    const bool relieved = in.check.branches.half_capacity_relief;
    steps.push_back({formula,
                     Number(stability->value, kStressDecimals) + " / " + Number(stability->limit, kStressDecimals),
                     Number(stability->ratio, kRatioDecimals), relieved ? "≤ 0.5" : "> 0.5",
                     relieved ? "7.4.6 第 2 款：[λ] 取 200" : "7.4.6 第 2 款：[λ] 仍取表 7.4.6 之值"});
}

void AddFillerSteps(const char* radius, const CaseInputs& in, std::vector<Step>& steps) {
    const DesignQuantities& q = in.check.q;
    const bool compression = in.check.kind == DesignCaseKind::Compression;
    const std::string i1 = Number(q.i1_cm, kPropertyDecimals);
    const std::string spacing = Number(q.filler_spacing_mm, 1);
    // Node to crossing, m to mm; at least 2 in a compression member.
    const std::string fillers = "⌈1000 × " + Number(in.r.L, 3) + " / 2 / " + spacing + "⌉ − 1";
    steps.push_back({radius, "", i1, "cm", "7.2.6"});
    steps.push_back({compression ? "s = 40·i1（压杆）" : "s = 80·i1（拉杆）",
                     (compression ? "40 × 10 × " : "80 × 10 × ") + i1, spacing, "mm", "7.2.6"});
    steps.push_back({compression ? "n = max(2, ⌈(1000·L/2)/s⌉ − 1)" : "n = ⌈(1000·L/2)/s⌉ − 1",
                     compression ? "max(2, " + fillers + ")" : fillers, Number(q.fillers_per_half, 0),
                     "块（节点至交叉点）", "7.2.6"});
}
