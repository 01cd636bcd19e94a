#include "report/angle_steps.h"

#include "batch/design_texts.h"
#include "report/report_numbers.h"

namespace {

// GB 50017-2017 7.6.2 for crossing single angles connected by one leg,
// the other diagonal in tension: lambda_u, lambda_e, lambda_0 and the
// slenderness phi is taken at.
void AddEquivalentSlendernessSteps(const CaseInputs& in, std::vector<Step>& steps) {
    const DesignQuantities& c = in.check.q;
    const DesignBranches& branch = in.check.branches;
    const std::string epsK = Number(c.eps_k, kFactorDecimals);
    const std::string lambdaU = Number(c.lambda_u, kSlendernessDecimals);
    const std::string lambdaE = Number(c.lambda_e, kSlendernessDecimals);
    const std::string lambda0 = Number(c.lambda_0, kSlendernessDecimals);
    steps.push_back({"λu = (100·L/ix)/εk",
                     "(100 × " + Number(in.r.L, 3) + " / " + Number(in.s.ix_cm, kPropertyDecimals) + ") / " + epsK,
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

}  // namespace

void AngleTensionSteps(const CaseInputs& in, std::vector<Step>& steps) {
    const DesignQuantities& c = in.check.q;
    const Section& s = in.s;
    steps = {
        StrengthStep(in, DimensionText("t", s.t_mm), "表 4.4.1"),
        SlendernessStep("λx = 100·Lx1/iy0", in.r.Lx1, s.iy0_cm, c.lambda_x, "7.4.7"),
        SlendernessStep("λy = 100·Ly1/ix", in.r.Ly1, s.ix_cm, c.lambda_y, "7.4.7"),
        StressStep("σ1 = 1000·N1/(100·A)", in.r.N1, Number(s.A_cm2, kPropertyDecimals), c.sigma, "7.6.1"),
    };
}

void AngleCompressionSteps(const CaseInputs& in, std::vector<Step>& steps) {
    const DesignQuantities& c = in.check.q;
    const DesignBranches& branch = in.check.branches;
    const Section& s = in.s;
    const std::string epsK = Number(c.eps_k, kFactorDecimals);
    const std::string wt = Number(c.w_t, kWidthRatioDecimals);
    steps = {
        StrengthStep(in, DimensionText("t", s.t_mm), "表 4.4.1"),
        SlendernessStep("λx = 100·Lx2/iy0", in.r.Lx2, s.iy0_cm, c.lambda_x, "7.4.6"),
        SlendernessStep("λy = 100·Ly2/ix", in.r.Ly2, s.ix_cm, c.lambda_y, "7.4.6"),
        EpsKStep(in),
    };
    AddEquivalentSlendernessSteps(in, steps);
    if (branch.lambda_0_governs) {
        steps.push_back({"λn = λ0/93.014", Number(c.lambda_0, kSlendernessDecimals) + " / 93.014",
                         Number(c.lambda_n, kFactorDecimals), "", "7.6.2、附录 D"});
    } else {
        steps.push_back(LambdaNStep("λ2", c.lambda, c));
    }
    steps.push_back(PhiStep(in.check));
    steps.push_back({"η = min(1, 0.6 + 0.0015·max(20, λx))",
                     "min(1, 0.6 + 0.0015 × max(20, " + Number(c.lambda_x, kSlendernessDecimals) + "))",
                     Number(c.eta, kFactorDecimals), "", "7.6.1"});
    steps.push_back(LegWidthStep(s, c));
    if (!branch.rho_reduced) {
        steps.push_back({"ρ = 1（w/t ≤ 14εk）",
                         wt + " ≤ 14 × " + epsK + " = " + Number(c.w_t_full, kWidthRatioDecimals),
                         Number(c.rho, kFactorDecimals), "", "7.6.3"});
    } else {
        steps.push_back({"ρ = 1.3 − 0.3·(w/t)/(14εk)", "1.3 − 0.3 × " + wt + " / (14 × " + epsK + ")",
                         Number(c.rho, kFactorDecimals), "", "7.6.3"});
    }
    steps.push_back(LegWidthLimitStep(in.check));
    steps.push_back(StressStep("σ2 = 1000·N2/(100·η·ρ·φ·A)", in.r.N2,
                               Number(c.eta, kFactorDecimals) + " × " + Number(c.rho, kFactorDecimals) + " × " +
                                   Number(c.phi, kFactorDecimals) + " × " + Number(s.A_cm2, kPropertyDecimals),
                               c.sigma, "7.6.1"));
    AddHalfCapacityStep("N2/(η·ρ·φ·A·f) = σ2/f", in, steps);
}

void AngleProperties(const Section& s, const MemberRadii& radii, std::vector<Cell>& cells) {
    cells.push_back({Number(s.b_mm, 0), true});
    cells.push_back({Number(s.t_mm, 0), true});
    cells.push_back({Number(s.A_cm2, kPropertyDecimals), true});
    cells.push_back({Number(radii.ix_cm, kPropertyDecimals), true});
    cells.push_back({Number(radii.iy0_cm, kPropertyDecimals), true});
    cells.push_back({TableNumber(s.mass_kg_m, 3), true});
}
