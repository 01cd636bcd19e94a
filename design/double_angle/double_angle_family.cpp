#include "design/double_angle/double_angle_family.h"

#include <cmath>

#include "design/double_angle/double_angle_check.h"
#include "design/double_angle/double_angle_sections.h"
#include "design/member_rules.h"

namespace {

const Section& AtT(int k) { return DoubleAnglesT().At(k); }
const Section& AtCross(int k) { return DoubleAnglesCross().At(k); }
SectionList SizingT() { return DoubleAnglesT().Lightest(); }
SectionList SizingCross() { return DoubleAnglesCross().Lightest(); }

bool MakeT(double b_mm, double t_mm, Section& out) {
    return MakeDoubleAngle(SectionFamilyId::DoubleAngleT, b_mm, t_mm, out);
}

bool MakeCross(double b_mm, double t_mm, Section& out) {
    return MakeDoubleAngle(SectionFamilyId::DoubleAngleCross, b_mm, t_mm, out);
}

MemberRadii RadiiT(const Section& s, double gusset_mm) {
    const double none = std::nan("");
    return {s.ix_cm, none, none, GapRadius(s, gusset_mm)};
}

MemberRadii RadiiCross(const Section& s, double gusset_mm) {
    const double gap = GapRadius(s, gusset_mm);
    return {gap, s.ix0_cm, std::nan(""), gap};
}

bool SurelyFails(DesignCaseKind kind, const BracingResults& bay, const Section& s,
                 const DesignRequest& request) {
    const double lambda = DoubleAngleSlenderness(kind, bay, s, request.gusset_mm).lambda;
    if (kind == DesignCaseKind::Tension) return lambda / request.limits.tension.lambda > 1.0;
    // The end section's criterion as the check works it out (Table 7.1.3).
    return lambda / LargestCompressionLimit(request.limits.compression) > 1.0 ||
           StressOf(bay.N2, s.A_cm2) / (kEndSectionEta * DesignStrength(request.grade, s.t_mm)) > 1.0;
}

const SectionFamily kT = {
    SectionFamilyId::DoubleAngleT, kDoubleAngleCount, AtT, SizingT, MakeT, RadiiT,
    true, true, CheckDoubleAngle, SurelyFails,
};

const SectionFamily kCross = {
    SectionFamilyId::DoubleAngleCross, kDoubleAngleCount, AtCross, SizingCross, MakeCross, RadiiCross,
    true, true, CheckDoubleAngle, SurelyFails,
};

}  // namespace

const SectionFamily& DoubleAngleTFamily() { return kT; }
const SectionFamily& DoubleAngleCrossFamily() { return kCross; }
