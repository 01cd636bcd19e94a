#include "design/double_angle/double_angle_check.h"

#include <cmath>

#include "calc/stability.h"
#include "design/double_angle/double_angle_sections.h"
#include "design/member_rules.h"
#include "design/steel_grades.h"

namespace {

// GB 50017-2017 7.2.6: fillers at most 40 i1 apart in compression members,
// 80 i1 in tension members; at least 2 between lateral supports in compression.
constexpr double kFillerSpacingCompression = 40.0;
constexpr double kFillerSpacingTension = 80.0;
constexpr double kFillersCompression = 2.0;

bool IsCross(const Section& s) { return s.family == SectionFamilyId::DoubleAngleCross; }

void Fillers(const BracingResults& bay, const Section& s, DesignCheck& c) {
    DesignQuantities& q = c.q;
    // 7.2.6 item 1: the T's angle about its axis parallel to the filler;
    // item 2: the cross's angle about its minimum axis.
    q.i1_cm = IsCross(s) ? s.iy0_cm : s.ix_cm;
    const bool compression = c.kind == DesignCaseKind::Compression;
    // cm to mm.
    q.filler_spacing_mm =
        (compression ? kFillerSpacingCompression : kFillerSpacingTension) * 10.0 * q.i1_cm;
    // Node to crossing, m to mm.
    const double half_mm = 1000.0 * bay.L / 2.0;
    // Spaces of at most the spacing need one filler fewer than spaces.
    double fillers = std::ceil(half_mm / q.filler_spacing_mm) - 1.0;
    if (compression && fillers < kFillersCompression) fillers = kFillersCompression;
    q.fillers_per_half = fillers;
}

// GB 50017-2017 7.2.2 item 2(3), equal angles in a T: lambda_z = 3.9 b/t
// and the flexural-torsional lambda_yz about the symmetry axis.
double TorsionT(const Section& s, DesignCheck& c) {
    DesignQuantities& q = c.q;
    q.lambda_z = 3.9 * s.b_mm / s.t_mm;
    const double ly = q.lambda_y;
    const double lz = q.lambda_z;
    c.branches.yz_by_lambda_y = ly >= lz;
    q.lambda_yz = c.branches.yz_by_lambda_y ? ly * (1.0 + 0.16 * (lz / ly) * (lz / ly))
                                            : lz * (1.0 + 0.16 * (ly / lz) * (ly / lz));
    c.branches.torsion_checked = true;
    c.branches.torsion_governs = q.lambda_yz > q.lambda_x;
    return Larger(q.lambda_x, q.lambda_yz);
}

// GB 50017-2017 7.2.2 item 1(2), the doubly symmetric cross: torsional
// buckling only where b/t exceeds 15 eps_k; I_omega = 0, I0 = Ix + Iy
// about the centroid (the shear centre), It = 2 (2b - t) t^3 / 3.
double TorsionCross(const Section& s, double gusset_mm, DesignCheck& c) {
    DesignQuantities& q = c.q;
    q.b_t = s.b_mm / s.t_mm;
    q.b_t_torsion = 15.0 * q.eps_k;
    c.branches.torsion_checked = q.b_t > q.b_t_torsion;
    if (!c.branches.torsion_checked) return q.lambda;
    const double i_mm = 10.0 * GapRadius(s, gusset_mm);
    const double I0_mm4 = 2.0 * (100.0 * s.A_cm2) * i_mm * i_mm;
    const double It_mm4 = 2.0 * (2.0 * s.b_mm - s.t_mm) * s.t_mm * s.t_mm * s.t_mm / 3.0;
    // mm4 to cm4, for the sheet.
    q.I0_cm4 = I0_mm4 / 1.0e4;
    q.It_cm4 = It_mm4 / 1.0e4;
    q.lambda_z = std::sqrt(I0_mm4 / (It_mm4 / 25.7));
    c.branches.torsion_governs = q.lambda_z > q.lambda;
    return Larger(q.lambda, q.lambda_z);
}

DesignCheck Begin(DesignCaseKind kind, const BracingResults& bay, const Section& s,
                  const DesignRequest& request) {
    DesignCheck c = BeginCheck(kind);
    const PairSlenderness lambda = DoubleAngleSlenderness(kind, bay, s, request.gusset_mm);
    c.q.lambda_x = lambda.lambda_x;
    c.q.lambda_y = lambda.lambda_y;
    c.q.lambda = lambda.lambda;
    c.q.f = DesignStrength(request.grade, s.t_mm);
    c.q.eta = 1.0;
    c.q.rho = 1.0;
    return c;
}

}  // namespace

PairSlenderness DoubleAngleSlenderness(DesignCaseKind kind, const BracingResults& bay,
                                       const Section& s, double gusset_mm) {
    const bool tension = kind == DesignCaseKind::Tension;
    // In plane: the T about the axis normal to the bracing plane, the
    // cross about its smallest radius (the single angle's ix0, in the
    // oblique plane); out of plane about the axis at the gap.
    const double in_plane_cm = IsCross(s) ? s.ix0_cm : s.ix_cm;
    PairSlenderness out;
    out.lambda_x = Slenderness(tension ? bay.Lx1 : bay.Lx2, in_plane_cm);
    out.lambda_y = Slenderness(tension ? bay.Ly1 : bay.Ly2, GapRadius(s, gusset_mm));
    out.lambda = Larger(out.lambda_x, out.lambda_y);
    return out;
}

DesignCheck CheckDoubleAngle(DesignCaseKind kind, const BracingResults& bay, const Section& s,
                             const DesignRequest& request) {
    DesignCheck c = Begin(kind, bay, s, request);
    DesignQuantities& q = c.q;
    Fillers(bay, s, c);
    if (kind == DesignCaseKind::Tension) {
        q.sigma = StressOf(bay.N1, s.A_cm2);
        AddCriterion(c, CriterionId::TensionSlenderness, q.lambda, request.limits.tension.lambda,
                     Clause::Table7_4_7);
        AddCriterion(c, CriterionId::TensionStrength, q.sigma, kEndSectionEta * q.f, Clause::Table7_1_3);
        Conclude(c);
        return c;
    }
    q.eps_k = EpsK(request.grade);
    const double lambda_phi = IsCross(s) ? TorsionCross(s, request.gusset_mm, c) : TorsionT(s, c);
    // GB 50017-2017 Table 7.2.1-1: two angles, in a T or a cross, class b.
    StabilityAt(kCurveB, lambda_phi, c);
    q.sigma = StressOf(bay.N2, q.phi * s.A_cm2);
    const double limit = CompressionLimit(request.limits.compression, q.sigma / q.f, c.branches);
    AddCriterion(c, CriterionId::CompressionSlenderness, q.lambda, limit,
                 c.branches.half_capacity_relief ? Clause::Clause7_4_6Item2 : Clause::Table7_4_6);
    AddCriterion(c, CriterionId::Stability, q.sigma, q.f,
                 c.branches.torsion_governs ? Clause::Clause7_2_2AppendixD : Clause::Clause7_2_1AppendixD);
    // 7.3.1 item 5 for each angle, lambda about the non-symmetric axis.
    const double w_t_limit = LegWidthLimit(s.b_mm, s.t_mm, q.lambda_x, c);
    AddCriterion(c, CriterionId::LegWidth, q.w_t, w_t_limit, Clause::Clause7_3_1);
    AddCriterion(c, CriterionId::CompressionStrength, StressOf(bay.N2, s.A_cm2), kEndSectionEta * q.f,
                 Clause::Table7_1_3);
    Conclude(c);
    return c;
}
