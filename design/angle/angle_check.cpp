#include "design/angle/angle_check.h"

#include <cmath>

#include "calc/stability.h"
#include "design/member_rules.h"
#include "design/angle/angle_slenderness.h"

namespace {

DesignCheck Begin(DesignCaseKind kind, const BraceSlenderness& lambda) {
    DesignCheck c = BeginCheck(kind);
    c.q.lambda_x = lambda.lambda_x;
    c.q.lambda_y = lambda.lambda_y;
    c.q.lambda = lambda.lambda;
    return c;
}

// GB 50017-2017 7.6.2, reached from 7.4.2 item 2 for crossing single
// angles connected by one leg: the other diagonal is in tension with the
// same force, so mu_u = 0.5 (7.4.2-3 with N0 = N gives less than 0.5 l),
// alpha_e = 0.75 (single angle, other bar in tension, Table 7.6.2), l the
// diagonal node to node and l1 = l/2 (crossing at mid-length).
constexpr double kMuU = 0.5;
constexpr double kAlphaE = 0.75;
constexpr double kCrossingShare = 0.5;  // l1 / l

void EquivalentSlenderness(const BracingResults& bay, const Section& section, DesignCheck& c) {
    DesignQuantities& q = c.q;
    DesignBranches& b = c.branches;
    // m over cm, then over eps_k; iu is the radius about a leg-parallel axis.
    q.lambda_u = ((100.0 * bay.L) / section.ix_cm) / q.eps_k;
    // The text starts the first line at lambda_u 20; it is used below 20 too.
    if (q.lambda_u <= 80.0) {
        b.converted = ConvertedSlenderness::Short;
        q.lambda_e = 80.0 + 0.65 * q.lambda_u;
    } else if (q.lambda_u <= 160.0) {
        b.converted = ConvertedSlenderness::Middle;
        q.lambda_e = 52.0 + q.lambda_u;
    } else {
        b.converted = ConvertedSlenderness::Long;
        q.lambda_e = 20.0 + 1.2 * q.lambda_u;
    }
    q.lambda_0 = kAlphaE * kMuU * q.lambda_e;
    // The text's lower bound reads (l1/l) lambda_x; lambda_u is taken, the
    // slenderness out of plane node to node.
    const double floor = kCrossingShare * q.lambda_u;
    b.lambda_0_floored = q.lambda_0 < floor;
    if (b.lambda_0_floored) q.lambda_0 = floor;
    b.lambda_0_governs = q.lambda_0 * q.eps_k > q.lambda;
    q.lambda_phi = b.lambda_0_governs ? q.lambda_0 * q.eps_k : q.lambda;
}

}  // namespace

DesignCheck CheckAngleTension(const BracingResults& bay, const Section& section,
                              const DesignRequest& request) {
    DesignCheck c = Begin(DesignCaseKind::Tension, TensionSlenderness(bay, section));
    c.q.f = DesignStrength(request.grade, section.t_mm);
    c.q.sigma = StressOf(bay.N1, section.A_cm2);
    AddCriterion(c, CriterionId::TensionSlenderness, c.q.lambda, request.limits.tension.lambda,
                 Clause::Table7_4_7);
    // GB 50017-2017 7.6.1: 0.85 f for an angle connected by one leg.
    AddCriterion(c, CriterionId::TensionStrength, c.q.sigma, 0.85 * c.q.f, Clause::Clause7_6_1);
    Conclude(c);
    return c;
}

DesignCheck CheckAngleCompression(const BracingResults& bay, const Section& section,
                                  const DesignRequest& request) {
    DesignCheck c = Begin(DesignCaseKind::Compression, CompressionSlenderness(bay, section));
    DesignQuantities& q = c.q;
    DesignBranches& b = c.branches;
    const SteelGrade grade = request.grade;
    q.eps_k = EpsK(grade);
    EquivalentSlenderness(bay, section, c);
    // GB 50017-2017 Appendix D with the 2003 edition's normalisation, as
    // the dialog's phi, at lambda or at lambda_0 eps_k.
    StabilityAt(AngleBucklingCurve(grade), q.lambda_phi, c);
    // GB 50017-2017 7.6.1: equal angle connected by one leg.
    b.lambda_floored = q.lambda_x < 20.0;
    const double lambda_eta = b.lambda_floored ? 20.0 : q.lambda_x;
    q.eta = 0.6 + 0.0015 * lambda_eta;
    b.eta_capped = q.eta > 1.0;
    if (b.eta_capped) q.eta = 1.0;
    // GB 50017-2017 7.3.1 note: the flat width may be taken as b - 2t.
    const double w_t = (section.b_mm - 2.0 * section.t_mm) / section.t_mm;
    // GB 50017-2017 7.6.3: slender legs work with a reduced area.
    q.w_t_full = 14.0 * q.eps_k;
    b.rho_reduced = !(w_t <= q.w_t_full);
    q.rho = b.rho_reduced ? 1.3 - 0.3 * w_t / q.w_t_full : 1.0;
    const double w_t_limit = LegWidthLimit(section.b_mm, section.t_mm, q.lambda_x, c);
    q.f = DesignStrength(grade, section.t_mm);
    q.sigma = StressOf(bay.N2, q.eta * q.rho * q.phi * section.A_cm2);
    const double stabilityRatio = q.sigma / q.f;
    const double limit = CompressionLimit(request.limits.compression, stabilityRatio, b);
    AddCriterion(c, CriterionId::CompressionSlenderness, q.lambda, limit,
                 b.half_capacity_relief ? Clause::Clause7_4_6Item2 : Clause::Table7_4_6);
    // GB 50017-2017 7.2.1 with the reductions of 7.6.1 and 7.6.3.
    AddCriterion(c, CriterionId::Stability, q.sigma, q.f,
                 b.lambda_0_governs ? Clause::Clause7_6_2AppendixD : Clause::Clause7_6_1AppendixD);
    AddCriterion(c, CriterionId::LegWidth, q.w_t, w_t_limit, Clause::Clause7_3_1);
    Conclude(c);
    return c;
}
