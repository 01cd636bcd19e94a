#include "angle_check.h"

#include <cmath>

#include "brace_slenderness.h"

namespace {

CriterionCheck Against(double value, double limit) {
    return CriterionCheck{value, limit, value / limit};
}

// The largest of the ratios; the first criterion wins a tie. NaN anywhere
// gives a NaN ratio, which is not OK.
void Govern(const CriterionCheck* const* checks, const Criterion* names, int count,
            Criterion& governing, double& ratio) {
    governing = names[0];
    ratio = checks[0]->ratio;
    for (int k = 1; k < count; ++k) {
        const double r = checks[k]->ratio;
        if (r > ratio || (r != r && ratio == ratio)) {
            ratio = r;
            governing = names[k];
        }
    }
}

}  // namespace

SlendernessLimits DefaultSlendernessLimits(double T_kN) {
    // GB 50017-2017 Tables 7.4.7 and 7.4.6: crane braking force means
    // column bracing below crane beams. The sign is only a direction, so
    // any T but 0 (NaN included) takes the stricter limits.
    if (T_kN != 0.0) return SlendernessLimits{300.0, 150.0};
    return SlendernessLimits{400.0, 200.0};
}

TensionCheck CheckTension(const BracingResults& bay, const AngleSection& section,
                          SteelGrade grade, double lambda_t) {
    TensionCheck c;
    const BraceSlenderness lambda = TensionSlenderness(bay, section);
    c.lambda_x = lambda.lambda_x;
    c.lambda_y = lambda.lambda_y;
    c.f = DesignStrength(grade, section.t_mm);
    // kN over cm2 to N/mm2; the force's sign is only the wind's direction.
    c.sigma = (1000.0 * std::fabs(bay.N1)) / (100.0 * section.A_cm2);
    c.slenderness = Against(lambda.lambda, lambda_t);
    // GB 50017-2017 7.6.1: 0.85 f for an angle connected by one leg.
    c.strength = Against(c.sigma, 0.85 * c.f);
    const CriterionCheck* checks[] = {&c.slenderness, &c.strength};
    const Criterion names[] = {Criterion::Slenderness, Criterion::Strength};
    Govern(checks, names, 2, c.governing, c.ratio);
    c.ok = c.ratio <= 1.0;
    return c;
}

CompressionCheck CheckCompression(const BracingResults& bay, const AngleSection& section,
                                  SteelGrade grade, double lambda_c) {
    CompressionCheck c;
    const BraceSlenderness lambda = CompressionSlenderness(bay, section);
    c.lambda_x = lambda.lambda_x;
    c.lambda_y = lambda.lambda_y;
    const double fy = YieldStrength(grade);
    c.eps_k = std::sqrt(235.0 / fy);
    // GB 50017-2017 Appendix D with the 2003 edition's normalisation
    // (93.014 = pi sqrt(E / 235)), as the dialog's phi.
    c.k1 = (lambda.lambda * std::sqrt(fy / 235.0)) / 93.014;
    c.phi = StabilityCoefficient(AngleBucklingCurve(grade), c.k1);
    // GB 50017-2017 7.6.1: equal angle connected by one leg.
    const double lambda_eta = c.lambda_x < 20.0 ? 20.0 : c.lambda_x;
    c.eta = 0.6 + 0.0015 * lambda_eta;
    if (c.eta > 1.0) c.eta = 1.0;
    // GB 50017-2017 7.3.1 note: the flat width may be taken as b - 2t.
    c.w_t = (section.b_mm - 2.0 * section.t_mm) / section.t_mm;
    // GB 50017-2017 7.6.3: slender legs work with a reduced area.
    const double w_t_full = 14.0 * c.eps_k;
    c.rho = c.w_t <= w_t_full ? 1.0 : 1.3 - 0.3 * c.w_t / w_t_full;
    // GB 50017-2017 7.3.1-5 (the 7.3.2 relaxation is not taken).
    const double w_t_limit =
        c.lambda_x <= 80.0 * c.eps_k ? 15.0 * c.eps_k : 5.0 * c.eps_k + 0.125 * c.lambda_x;
    c.f = DesignStrength(grade, section.t_mm);
    c.sigma = (1000.0 * std::fabs(bay.N2)) / (100.0 * c.eta * c.rho * c.phi * section.A_cm2);
    c.slenderness = Against(lambda.lambda, lambda_c);
    // GB 50017-2017 7.2.1 with the reductions of 7.6.1 and 7.6.3.
    c.stability = Against(c.sigma, c.f);
    c.leg_width = Against(c.w_t, w_t_limit);
    const CriterionCheck* checks[] = {&c.slenderness, &c.stability, &c.leg_width};
    const Criterion names[] = {Criterion::Slenderness, Criterion::Stability, Criterion::LegWidth};
    Govern(checks, names, 3, c.governing, c.ratio);
    c.ok = c.ratio <= 1.0;
    return c;
}
