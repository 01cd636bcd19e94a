// The seam between a bay's design and the sections it can be built of: a
// family is found by its id, its sections by their designation's
// dimensions or in sizing order, and each is checked per design case.
// Every family is one table of these functions in a folder of its own;
// design/families finds them by id.
#ifndef BRACING_DESIGN_SECTION_FAMILY_H
#define BRACING_DESIGN_SECTION_FAMILY_H

#include "calc/bracing.h"
#include "design/design_check.h"
#include "design/section.h"
#include "design/slenderness_limits.h"
#include "design/steel_grades.h"

struct SectionFamily {
    SectionFamilyId id;
    int count;
    // The k-th section in the standard's order.
    const Section& (*at)(int k);
    // The section of those dimensions (t_mm NaN where the designation has
    // one dimension); null when the standard has no such size.
    const Section* (*find)(double b_mm, double t_mm);
    // The k-th section of the sizing walk, lightest first.
    const Section& (*by_sizing_order)(int k);
    // The check of `s` in one design case against its allowable slenderness.
    DesignCheck (*check)(DesignCaseKind kind, const BracingResults& bay, const Section& s,
                         SteelGrade grade, const AllowableSlenderness& limit);
    // A cheap test for the sizing walk that never fails a section `check` passes.
    bool (*surely_fails)(DesignCaseKind kind, const BracingResults& bay, const Section& s,
                         SteelGrade grade, const AllowableSlenderness& limit);
};

// Smallest section sizing may choose, by the designation's dimensions
// (L45x4: the usual bolted brace).
struct MinimumSize {
    double leg_mm = 45.0;
    double thickness_mm = 4.0;
};

// Result of a sizing walk. `chosen` is the first section that passes, null
// when none does; `before` is the one walked just before it (null when the
// chosen one is the first of the walk), or, when none passes, the last one
// walked.
struct SizingChoice {
    const Section* chosen;
    const Section* before;
};

// Walks `family` in its sizing order, skipping sections under `minimum`.
SizingChoice SizeCase(const SectionFamily& family, DesignCaseKind kind, const BracingResults& bay,
                      SteelGrade grade, const AllowableSlenderness& limit, const MinimumSize& minimum);

#endif
