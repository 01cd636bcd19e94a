#include "design/member_rules.h"

#include <cmath>

double StressOf(double N_kN, double A_cm2) { return (1000.0 * std::fabs(N_kN)) / (100.0 * A_cm2); }

double EpsK(SteelGrade grade) { return std::sqrt(235.0 / YieldStrength(grade)); }

void StabilityAt(const BucklingCurve& curve, double lambda_phi, DesignCheck& c) {
    c.q.lambda_phi = lambda_phi;
    c.q.lambda_n = lambda_phi / (kNormalisingSlenderness * c.q.eps_k);
    c.q.phi = StabilityCoefficient(curve, c.q.lambda_n);
    c.branches.curve = &curve;
    c.branches.phi = StabilityBranch(c.q.lambda_n) == StabilityFormula::Parabola ? PhiBranch::Parabola
                                                                                 : PhiBranch::Perry;
}

double Larger(double a, double b) {
    if (a != a || b != b) return a + b;
    return a < b ? b : a;
}

double CompressionLimit(const AllowableSlenderness& limit, double stabilityRatio, DesignBranches& b) {
    b.half_capacity_relief = limit.halfCapacityRelief && limit.lambda < kHalfCapacityLimit &&
                             stabilityRatio <= 0.5;
    return b.half_capacity_relief ? kHalfCapacityLimit : limit.lambda;
}

double LargestCompressionLimit(const AllowableSlenderness& limit) {
    return limit.halfCapacityRelief && limit.lambda < kHalfCapacityLimit ? kHalfCapacityLimit
                                                                          : limit.lambda;
}

double LegWidthLimit(double b_mm, double t_mm, double lambda, DesignCheck& c) {
    DesignQuantities& q = c.q;
    q.w_t = (b_mm - 2.0 * t_mm) / t_mm;
    c.branches.width_thickness =
        lambda <= 80.0 * q.eps_k ? WidthThicknessLimit::Stocky : WidthThicknessLimit::Slender;
    return c.branches.width_thickness == WidthThicknessLimit::Stocky ? 15.0 * q.eps_k
                                                                     : 5.0 * q.eps_k + 0.125 * lambda;
}
