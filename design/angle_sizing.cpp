#include "angle_check.h"

#include "brace_slenderness.h"

namespace {

// First angle of the sizing walk that passes. Slenderness over its limit
// fails the check whatever the stresses, so it rejects without the rest.
template <class Slenderness, class Passes>
SizingChoice Walk(const SectionTable& table, const MinimumSize& minimum, double limit,
                  Slenderness slenderness, Passes passes) {
    SizingChoice out{nullptr, nullptr};
    for (int k = 0; k < table.Count(); ++k) {
        const AngleSection& s = table.BySizingOrder(k);
        if (s.b_mm < minimum.leg_mm || s.t_mm < minimum.thickness_mm) continue;
        if (!(slenderness(s).lambda / limit > 1.0) && passes(s)) {
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
    return Walk(
        table, minimum, lambda_t,
        [&bay](const AngleSection& s) { return TensionSlenderness(bay, s); },
        [&](const AngleSection& s) { return CheckTension(bay, s, grade, lambda_t).ok; });
}

SizingChoice SizeCompression(const SectionTable& table, const BracingResults& bay,
                             SteelGrade grade, double lambda_c, const MinimumSize& minimum) {
    return Walk(
        table, minimum, lambda_c,
        [&bay](const AngleSection& s) { return CompressionSlenderness(bay, s); },
        [&](const AngleSection& s) { return CheckCompression(bay, s, grade, lambda_c).ok; });
}
