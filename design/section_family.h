// The seam between a bay's design and the sections it can be built of: a
// family is found by its id; it lists its sizes, makes the section of a
// designation's dimensions, gives the member's radii at a gusset gap, and
// checks a section per design case. Every family is one table of these
// functions in a folder of its own; design/families finds them by id.
#ifndef BRACING_DESIGN_SECTION_FAMILY_H
#define BRACING_DESIGN_SECTION_FAMILY_H

#include "calc/bracing.h"
#include "design/design_check.h"
#include "design/design_request.h"
#include "design/section.h"

// Sections side by side in memory, for a sizing walk lightest first.
struct SectionList {
    const Section* items = nullptr;
    int count = 0;
};

// The member's radii, cm, as the section list prints them; NaN where they
// do not apply. Single angle: ix (leg-parallel), ix0, iy0. T: ix in the
// bracing plane, iy out of it at the gap. Cross: ix0 the smallest, ix and
// iy the leg-parallel ones at the gap. Tube: ix = iy = i. Bar: ix = d/4.
struct MemberRadii {
    double ix_cm;
    double ix0_cm;
    double iy0_cm;
    double iy_cm;
};

struct SectionFamily {
    SectionFamilyId id;
    // The listed sizes (the standard's table or the stock list), in its order.
    int count;
    const Section& (*at)(int k);
    // The built-in sizing walk, lightest first.
    SectionList (*sizing)();
    // The section of a designation's dimensions (t_mm NaN for one
    // dimension); false when the family has no such size.
    bool (*make)(double b_mm, double t_mm, Section& out);
    MemberRadii (*radii)(const Section& s, double gusset_mm);
    // Whether the family takes compression at all (a round bar does not).
    bool compression;
    // Whether --min-leg and --min-thickness bound its sizing (angles).
    bool angleMinimum;
    // The check of `s` in one design case against its allowable slenderness.
    DesignCheck (*check)(DesignCaseKind kind, const BracingResults& bay, const Section& s,
                         const DesignRequest& request);
    // A cheap test for the sizing walk that never fails a section `check` passes.
    bool (*surely_fails)(DesignCaseKind kind, const BracingResults& bay, const Section& s,
                         const DesignRequest& request);
};

// Smallest angle sizing may choose, by the designation's dimensions
// (L45x4: the usual bolted brace); for 2L and 2L+ too.
struct MinimumSize {
    double leg_mm = 45.0;
    double thickness_mm = 4.0;
};

// The sizing order: by mass per metre, then area, then the first dimension.
bool LighterFirst(const Section& a, const Section& b);

// Result of a sizing walk. `chosen` is the first section that passes, null
// when none does; `before` is the one walked just before it (null when the
// chosen one is the first of the walk), or, when none passes, the last one
// walked.
struct SizingChoice {
    const Section* chosen;
    const Section* before;
};

// Walks `sizes` (of `family`, lightest first), skipping angles under `minimum`.
SizingChoice SizeCase(const SectionFamily& family, SectionList sizes, DesignCaseKind kind,
                      const BracingResults& bay, const DesignRequest& request,
                      const MinimumSize& minimum);

#endif
