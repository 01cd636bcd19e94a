// Hot-rolled equal-leg angles of GB/T 706-2016: the standard's 115 sizes
// and their section properties, computed once from the nominal dimensions.
#ifndef BRACING_DESIGN_ANGLE_ANGLE_SECTIONS_H
#define BRACING_DESIGN_ANGLE_ANGLE_SECTIONS_H

#include "design/section.h"

class SectionTable {
public:
    static constexpr int kCount = 115;

    // Computes every section's properties; built once, then read only.
    SectionTable();

    int Count() const { return kCount; }
    // In the standard's order: by leg width, then thickness.
    const Section& At(int k) const { return sections_[k]; }
    // Table index of the b x t angle, -1 when the standard has no such size.
    int Find(double b_mm, double t_mm) const;
    // Every angle lightest first (LighterFirst): the sizing walk.
    const Section* Lightest() const { return lightest_; }

private:
    Section sections_[kCount];
    Section lightest_[kCount];
};

// The one table of the program, built on first use; outside this folder
// the family reaches it (design/section_family.h).
const SectionTable& EqualAngles();

#endif
