#include "design/angle/angle_check.h"

#include <cmath>
#include <limits>

#include "calc/stability.h"
#include "design/angle/angle_slenderness.h"

namespace {

DesignCheck Begin(DesignCaseKind kind, const BraceSlenderness& lambda) {
    DesignCheck c;
    c.kind = kind;
    const double none = std::numeric_limits<double>::quiet_NaN();
    c.q = DesignQuantities{none, none, none, none, none, none, none, none, none, none, none, none};
    c.q.lambda_x = lambda.lambda_x;
    c.q.lambda_y = lambda.lambda_y;
    c.q.lambda = lambda.lambda;
    return c;
}

}  // namespace

DesignCheck CheckAngleTension(const BracingResults& bay, const Section& section,
                              SteelGrade grade, double lambda_t) {
    DesignCheck c = Begin(DesignCaseKind::Tension, TensionSlenderness(bay, section));
    c.q.f = DesignStrength(grade, section.t_mm);
    // kN over cm2 to N/mm2; the force's sign is only the wind's direction.
    c.q.sigma = (1000.0 * std::fabs(bay.N1)) / (100.0 * section.A_cm2);
    AddCriterion(c, CriterionId::TensionSlenderness, c.q.lambda, lambda_t, Clause::Table7_4_7);
    // GB 50017-2017 7.6.1: 0.85 f for an angle connected by one leg.
    AddCriterion(c, CriterionId::TensionStrength, c.q.sigma, 0.85 * c.q.f, Clause::Clause7_6_1);
    Conclude(c);
    return c;
}

DesignCheck CheckAngleCompression(const BracingResults& bay, const Section& section,
                                  SteelGrade grade, double lambda_c) {
    DesignCheck c = Begin(DesignCaseKind::Compression, CompressionSlenderness(bay, section));
    DesignQuantities& q = c.q;
    DesignBranches& b = c.branches;
    const double fy = YieldStrength(grade);
    q.eps_k = std::sqrt(235.0 / fy);
    // GB 50017-2017 Appendix D with the 2003 edition's normalisation, as
    // the dialog's phi.
    q.lambda_n = (q.lambda * std::sqrt(fy / 235.0)) / kNormalisingSlenderness;
    q.phi = StabilityCoefficient(AngleBucklingCurve(grade), q.lambda_n);
    b.phi = StabilityBranch(q.lambda_n) == StabilityFormula::Parabola ? PhiBranch::Parabola
                                                                       : PhiBranch::Perry;
    // GB 50017-2017 7.6.1: equal angle connected by one leg.
    b.lambda_floored = q.lambda_x < 20.0;
    const double lambda_eta = b.lambda_floored ? 20.0 : q.lambda_x;
    q.eta = 0.6 + 0.0015 * lambda_eta;
    b.eta_capped = q.eta > 1.0;
    if (b.eta_capped) q.eta = 1.0;
    // GB 50017-2017 7.3.1 note: the flat width may be taken as b - 2t.
    q.w_t = (section.b_mm - 2.0 * section.t_mm) / section.t_mm;
    // GB 50017-2017 7.6.3: slender legs work with a reduced area.
    q.w_t_full = 14.0 * q.eps_k;
    b.rho_reduced = !(q.w_t <= q.w_t_full);
    q.rho = b.rho_reduced ? 1.3 - 0.3 * q.w_t / q.w_t_full : 1.0;
    // GB 50017-2017 7.3.1-5 (the 7.3.2 relaxation is not taken).
    b.width_thickness = q.lambda_x <= 80.0 * q.eps_k ? WidthThicknessLimit::Stocky
                                                     : WidthThicknessLimit::Slender;
    const double w_t_limit = b.width_thickness == WidthThicknessLimit::Stocky
                                 ? 15.0 * q.eps_k
                                 : 5.0 * q.eps_k + 0.125 * q.lambda_x;
    q.f = DesignStrength(grade, section.t_mm);
    q.sigma = (1000.0 * std::fabs(bay.N2)) / (100.0 * q.eta * q.rho * q.phi * section.A_cm2);
    AddCriterion(c, CriterionId::CompressionSlenderness, q.lambda, lambda_c, Clause::Table7_4_6);
    // GB 50017-2017 7.2.1 with the reductions of 7.6.1 and 7.6.3.
    AddCriterion(c, CriterionId::Stability, q.sigma, q.f, Clause::Clause7_6_1AppendixD);
    AddCriterion(c, CriterionId::LegWidth, q.w_t, w_t_limit, Clause::Clause7_3_1);
    Conclude(c);
    return c;
}
