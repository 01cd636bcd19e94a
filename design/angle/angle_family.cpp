#include "design/angle/angle_family.h"

#include <cmath>

#include "design/angle/angle_check.h"
#include "design/angle/angle_sections.h"
#include "design/angle/angle_slenderness.h"
#include "design/member_rules.h"

namespace {

const Section& At(int k) { return EqualAngles().At(k); }

SectionList Sizing() { return {EqualAngles().Lightest(), SectionTable::kCount}; }

bool Make(double b_mm, double t_mm, Section& out) {
    const int k = EqualAngles().Find(b_mm, t_mm);
    if (k < 0) return false;
    out = EqualAngles().At(k);
    return true;
}

MemberRadii Radii(const Section& s, double /*gusset_mm*/) {
    return {s.ix_cm, s.ix0_cm, s.iy0_cm, std::nan("")};
}

DesignCheck Check(DesignCaseKind kind, const BracingResults& bay, const Section& s,
                  const DesignRequest& request) {
    return kind == DesignCaseKind::Tension ? CheckAngleTension(bay, s, request)
                                           : CheckAngleCompression(bay, s, request);
}

bool SurelyFails(DesignCaseKind kind, const BracingResults& bay, const Section& s,
                 const DesignRequest& request) {
    // Slenderness over its limit fails whatever the stress.
    if (kind == DesignCaseKind::Tension) {
        return TensionSlenderness(bay, s).lambda / request.limits.tension.lambda > 1.0;
    }
    // Besides slenderness: eta, rho and phi are at most 1, so N2 / A over f
    // fails before phi is worked out (rounding only makes the full stress larger).
    return CompressionSlenderness(bay, s).lambda / LargestCompressionLimit(request.limits.compression) > 1.0 ||
           StressOf(bay.N2, s.A_cm2) / DesignStrength(request.grade, s.t_mm) > 1.0;
}

const SectionFamily kEqualAngles = {
    SectionFamilyId::EqualAngle, SectionTable::kCount, At, Sizing, Make, Radii,
    true, true, Check, SurelyFails,
};

}  // namespace

const SectionFamily& EqualAngleFamily() { return kEqualAngles; }
