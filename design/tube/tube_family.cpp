#include "design/tube/tube_family.h"

#include <cmath>

#include "calc/stability.h"
#include "design/listed_sections.h"
#include "design/member_rules.h"
#include "design/round_section.h"
#include "design/tube/tube_sizes.h"

namespace {

using TubeTable = ListedSections<kTubeSizeCount>;

const TubeTable& Tubes() {
    static const TubeTable table(
        [](int k) { return TubeSection(kTubeSizes[k].D_mm, kTubeSizes[k].t_mm); }, EverySize);
    return table;
}

const Section& At(int k) { return Tubes().At(k); }
SectionList Sizing() { return Tubes().Lightest(); }

// Any seamless tube the dimensions describe: the list is a stock list.
bool Make(double D_mm, double t_mm, Section& out) {
    if (!(t_mm > 0.0 && 2.0 * t_mm < D_mm)) return false;
    out = TubeSection(D_mm, t_mm);
    return true;
}

MemberRadii Radii(const Section& s, double /*gusset_mm*/) {
    return {s.ix_cm, std::nan(""), std::nan(""), s.ix_cm};
}

// The in-plane length L/2 never exceeds the one out of plane, but both are shown.
void Lambda(DesignCaseKind kind, const BracingResults& bay, const Section& s, DesignQuantities& q) {
    const bool tension = kind == DesignCaseKind::Tension;
    q.lambda_x = Slenderness(tension ? bay.Lx1 : bay.Lx2, s.ix_cm);
    q.lambda_y = Slenderness(tension ? bay.Ly1 : bay.Ly2, s.ix_cm);
    q.lambda = Larger(q.lambda_x, q.lambda_y);
}

bool SurelyFails(DesignCaseKind kind, const BracingResults& bay, const Section& s,
                 const DesignRequest& request) {
    DesignQuantities q{};
    Lambda(kind, bay, s, q);
    if (kind == DesignCaseKind::Tension) return q.lambda / request.limits.tension.lambda > 1.0;
    // phi is at most 1.
    return q.lambda / LargestCompressionLimit(request.limits.compression) > 1.0 ||
           StressOf(bay.N2, s.A_cm2) / TubeStrength(request.grade, s.t_mm) > 1.0;
}

const SectionFamily kTubes = {
    SectionFamilyId::Tube, kTubeSizeCount, At, Sizing, Make, Radii, true, false, CheckTube, SurelyFails,
};

}  // namespace

const SectionFamily& TubeFamily() { return kTubes; }

DesignCheck CheckTube(DesignCaseKind kind, const BracingResults& bay, const Section& s,
                      const DesignRequest& request) {
    DesignCheck c = BeginCheck(kind);
    DesignQuantities& q = c.q;
    Lambda(kind, bay, s, q);
    // GB 50017-2017 Table 4.4.3 by wall thickness.
    q.f = TubeStrength(request.grade, s.t_mm);
    q.eta = 1.0;
    q.rho = 1.0;
    if (kind == DesignCaseKind::Tension) {
        q.sigma = StressOf(bay.N1, s.A_cm2);
        AddCriterion(c, CriterionId::TensionSlenderness, q.lambda, request.limits.tension.lambda,
                     Clause::Table7_4_7);
        AddCriterion(c, CriterionId::TensionStrength, q.sigma, q.f, Clause::Clause7_1_1);
        Conclude(c);
        return c;
    }
    q.eps_k = EpsK(request.grade);
    // GB 50017-2017 Table 7.2.1-1: rolled round tube, class a.
    StabilityAt(kCurveA, q.lambda, c);
    q.sigma = StressOf(bay.N2, q.phi * s.A_cm2);
    const double limit = CompressionLimit(request.limits.compression, q.sigma / q.f, c.branches);
    AddCriterion(c, CriterionId::CompressionSlenderness, q.lambda, limit,
                 c.branches.half_capacity_relief ? Clause::Clause7_4_6Item2 : Clause::Table7_4_6);
    AddCriterion(c, CriterionId::Stability, q.sigma, q.f, Clause::Clause7_2_1AppendixD);
    // GB 50017-2017 7.3.1 item 6: D/t at most 100 eps_k^2.
    q.D_t = s.b_mm / s.t_mm;
    AddCriterion(c, CriterionId::TubeWall, q.D_t, 100.0 * q.eps_k * q.eps_k, Clause::Clause7_3_1Item6);
    Conclude(c);
    return c;
}
