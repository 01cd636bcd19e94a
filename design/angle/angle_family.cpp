#include "design/angle/angle_family.h"

#include <cmath>

#include "design/angle/angle_check.h"
#include "design/angle/angle_sections.h"
#include "design/angle/angle_slenderness.h"

namespace {

const Section& At(int k) { return EqualAngles().At(k); }

const Section* Find(double b_mm, double t_mm) {
    const int k = EqualAngles().Find(b_mm, t_mm);
    return k < 0 ? nullptr : &EqualAngles().At(k);
}

const Section& BySizingOrder(int k) { return EqualAngles().BySizingOrder(k); }

DesignCheck Check(DesignCaseKind kind, const BracingResults& bay, const Section& s,
                  SteelGrade grade, const AllowableSlenderness& limit) {
    return kind == DesignCaseKind::Tension ? CheckAngleTension(bay, s, grade, limit)
                                           : CheckAngleCompression(bay, s, grade, limit);
}

bool SurelyFails(DesignCaseKind kind, const BracingResults& bay, const Section& s,
                 SteelGrade grade, const AllowableSlenderness& limit) {
    // Slenderness over its limit fails whatever the stress.
    if (kind == DesignCaseKind::Tension) {
        return TensionSlenderness(bay, s).lambda / limit.lambda > 1.0;
    }
    // The most 7.4.6 item 2 may allow.
    const double lambda_limit = limit.halfCapacityRelief && limit.lambda < kHalfCapacityLimit
                                    ? kHalfCapacityLimit
                                    : limit.lambda;
    // Besides slenderness: eta, rho and phi are at most 1, so N2 / A over f
    // fails before phi is worked out (rounding only makes the full stress larger).
    return CompressionSlenderness(bay, s).lambda / lambda_limit > 1.0 ||
           (1000.0 * std::fabs(bay.N2)) / (100.0 * s.A_cm2) / DesignStrength(grade, s.t_mm) > 1.0;
}

const SectionFamily kEqualAngles = {
    SectionFamilyId::EqualAngle, SectionTable::kCount, At, Find, BySizingOrder, Check, SurelyFails,
};

}  // namespace

const SectionFamily& EqualAngleFamily() { return kEqualAngles; }
