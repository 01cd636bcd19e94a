#include "report/round_steps.h"

#include "batch/design_texts.h"
#include "report/report_numbers.h"

namespace {

bool IsBar(const Section& s) { return s.family == SectionFamilyId::RoundBar; }

// A dimension in mm, as cm in a formula.
std::string Cm(double mm) { return Number(mm / 10.0, 2); }

// A, i and the mass per metre, 7.85 t/m3.
void AddSectionSteps(const Section& s, std::vector<Step>& steps) {
    const std::string A = Number(s.A_cm2, kPropertyDecimals);
    const std::string D = Cm(s.b_mm);
    if (IsBar(s)) {
        steps.push_back({"A = π·d²/4", "π × " + D + "² / 4", A, "cm²", "GB/T 702"});
        steps.push_back({"i = d/4", D + " / 4", Number(s.ix_cm, kPropertyDecimals), "cm", ""});
    } else {
        const std::string t = Cm(s.t_mm);
        steps.push_back({"A = π·(D − t)·t", "π × (" + D + " − " + t + ") × " + t, A, "cm²", "GB/T 8162"});
        steps.push_back({"i = √(D² + (D − 2t)²)/4", "√(" + D + "² + (" + D + " − 2 × " + t + ")²) / 4",
                         Number(s.ix_cm, kPropertyDecimals), "cm", ""});
    }
    steps.push_back({"m = 0.785·A", "0.785 × " + A, Number(s.mass_kg_m, 3), "kg/m", ""});
}

// A tube's section, f by its wall (Table 4.4.3) and both slendernesses in its case.
void AddTubeSteps(const CaseInputs& in, std::vector<Step>& steps) {
    const DesignQuantities& q = in.check.q;
    const Section& s = in.s;
    const bool tension = in.check.kind == DesignCaseKind::Tension;
    const char* clause = tension ? "7.4.7" : "7.4.6";
    steps.clear();
    AddSectionSteps(s, steps);
    steps.push_back(StrengthStep(in, "无缝钢管，" + DimensionText("t", s.t_mm), "表 4.4.3"));
    steps.push_back(SlendernessStep(tension ? "λx = 100·Lx1/i" : "λx = 100·Lx2/i", tension ? in.r.Lx1 : in.r.Lx2,
                                    s.ix_cm, q.lambda_x, clause));
    steps.push_back(SlendernessStep(tension ? "λy = 100·Ly1/i" : "λy = 100·Ly2/i", tension ? in.r.Ly1 : in.r.Ly2,
                                    s.ix_cm, q.lambda_y, clause));
}

}  // namespace

void TubeTensionSteps(const CaseInputs& in, std::vector<Step>& steps) {
    const DesignQuantities& q = in.check.q;
    const Section& s = in.s;
    AddTubeSteps(in, steps);
    steps.push_back(StressStep("σ1 = 1000·N1/(100·A)", in.r.N1, Number(s.A_cm2, kPropertyDecimals), q.sigma, "7.1.1"));
}

void TubeCompressionSteps(const CaseInputs& in, std::vector<Step>& steps) {
    const DesignQuantities& q = in.check.q;
    const Section& s = in.s;
    AddTubeSteps(in, steps);
    steps.push_back(EpsKStep(in));
    steps.push_back(LambdaNStep("λ2", q.lambda_phi, q));
    steps.push_back(PhiStep(in.check));
    steps.push_back(StressStep("σ2 = 1000·N2/(100·φ·A)", in.r.N2,
                               Number(q.phi, kFactorDecimals) + " × " + Number(s.A_cm2, kPropertyDecimals), q.sigma,
                               "7.2.1"));
    steps.push_back({"D/t", TableNumber(s.b_mm, 2) + " / " + TableNumber(s.t_mm, 2), Number(q.D_t, kWidthRatioDecimals),
                     "", "7.3.1 第 6 款"});
    steps.push_back({"[D/t] = 100·εk²", "100 × " + Number(q.eps_k, kFactorDecimals) + "²",
                     Number(in.check.Find(CriterionId::TubeWall)->limit, kWidthRatioDecimals), "", "7.3.1 第 6 款"});
    AddHalfCapacityStep("N2/(φ·A·f) = σ2/f", in, steps);
}

void BarTensionSteps(const CaseInputs& in, std::vector<Step>& steps) {
    const DesignQuantities& q = in.check.q;
    const Section& s = in.s;
    steps.clear();
    AddSectionSteps(s, steps);
    // GB 50017-2017 Table 4.4.1 bands a bar by its diameter.
    steps.push_back(StrengthStep(in, DimensionText("d", s.b_mm), "表 4.4.1"));
    if (in.check.branches.no_slenderness_limit) {
        steps.push_back(SlendernessStep("λ = 100·Ly1/i（仅供参考）", in.r.Ly1, s.ix_cm, q.lambda_y,
                                        "表 7.4.7“除张紧的圆钢外”：不限长细比"));
    } else {
        steps.push_back(SlendernessStep("λx = 100·Lx1/i", in.r.Lx1, s.ix_cm, q.lambda_x, "7.4.7"));
        steps.push_back(SlendernessStep("λy = 100·Ly1/i", in.r.Ly1, s.ix_cm, q.lambda_y, "7.4.7"));
    }
    steps.push_back(StressStep("σ1 = 1000·N1/(100·A)", in.r.N1, Number(s.A_cm2, kPropertyDecimals), q.sigma, "7.1.1"));
}

void RoundProperties(const Section& s, const MemberRadii& radii, std::vector<Cell>& cells) {
    cells.push_back({TableNumber(s.b_mm, 2), true});
    if (!IsBar(s)) cells.push_back({TableNumber(s.t_mm, 2), true});
    cells.push_back({Number(s.A_cm2, kPropertyDecimals), true});
    cells.push_back({Number(radii.ix_cm, kPropertyDecimals), true});
    cells.push_back({Number(s.mass_kg_m, 3), true});
}
