#include "angle_check.h"

#include <cmath>

#include "brace_slenderness.h"

namespace {

// First angle of the sizing walk that passes. `surely_fails` is a cheap
// test that never fails an angle the full check would pass.
template <class SurelyFails, class Passes>
SizingChoice Walk(const SectionTable& table, const MinimumSize& minimum,
                  SurelyFails surely_fails, Passes passes) {
    SizingChoice out{nullptr, nullptr};
    for (int k = 0; k < table.Count(); ++k) {
        const AngleSection& s = table.BySizingOrder(k);
        if (s.b_mm < minimum.leg_mm || s.t_mm < minimum.thickness_mm) continue;
        if (!surely_fails(s) && passes(s)) {
            out.chosen = &s;
            return out;
        }
        out.before = &s;
    }
    return out;
}

}  // namespace

SizingChoice SizeTension(const SectionTable& table, const BracingResults& bay,
                         SteelGrade grade, double lambda_t, const MinimumSize& minimum) {
    // Slenderness over its limit fails whatever the stress.
    return Walk(
        table, minimum,
        [&](const AngleSection& s) { return TensionSlenderness(bay, s).lambda / lambda_t > 1.0; },
        [&](const AngleSection& s) { return CheckTension(bay, s, grade, lambda_t).ok; });
}

SizingChoice SizeCompression(const SectionTable& table, const BracingResults& bay,
                             SteelGrade grade, double lambda_c, const MinimumSize& minimum) {
    // Besides slenderness: eta, rho and phi are at most 1, so N2 / A over f
    // fails before phi is worked out (rounding only makes the full stress larger).
    const double N2 = std::fabs(bay.N2);
    return Walk(
        table, minimum,
        [&](const AngleSection& s) {
            return CompressionSlenderness(bay, s).lambda / lambda_c > 1.0 ||
                   (1000.0 * N2) / (100.0 * s.A_cm2) / DesignStrength(grade, s.t_mm) > 1.0;
        },
        [&](const AngleSection& s) { return CheckCompression(bay, s, grade, lambda_c).ok; });
}
