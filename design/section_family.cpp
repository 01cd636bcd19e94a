#include "design/section_family.h"

SizingChoice SizeCase(const SectionFamily& family, DesignCaseKind kind, const BracingResults& bay,
                      SteelGrade grade, const AllowableSlenderness& limit, const MinimumSize& minimum) {
    SizingChoice out{nullptr, nullptr};
    for (int k = 0; k < family.count; ++k) {
        const Section& s = family.by_sizing_order(k);
        if (s.b_mm < minimum.leg_mm || s.t_mm < minimum.thickness_mm) continue;
        if (!family.surely_fails(kind, bay, s, grade, limit) &&
            family.check(kind, bay, s, grade, limit).ok) {
            out.chosen = &s;
            return out;
        }
        out.before = &s;
    }
    return out;
}
