#include "design/section_family.h"

bool LighterFirst(const Section& a, const Section& b) {
    if (a.mass_kg_m != b.mass_kg_m) return a.mass_kg_m < b.mass_kg_m;
    if (a.A_cm2 != b.A_cm2) return a.A_cm2 < b.A_cm2;
    return a.b_mm < b.b_mm;
}

SizingChoice SizeCase(const SectionFamily& family, SectionList sizes, DesignCaseKind kind,
                      const BracingResults& bay, const DesignRequest& request,
                      const MinimumSize& minimum) {
    SizingChoice out{nullptr, nullptr};
    for (int k = 0; k < sizes.count; ++k) {
        const Section& s = sizes.items[k];
        if (family.angleMinimum && (s.b_mm < minimum.leg_mm || s.t_mm < minimum.thickness_mm)) {
            continue;
        }
        if (!family.surely_fails(kind, bay, s, request) && family.check(kind, bay, s, request).ok) {
            out.chosen = &s;
            // cppcheck-suppress returnDanglingLifetime ; `items` points at the family's table, which outlives `sizes`
            return out;
        }
        out.before = &s;
    }
    // cppcheck-suppress returnDanglingLifetime ; as above
    return out;
}
