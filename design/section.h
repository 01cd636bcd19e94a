// One section of any family, as the checks and the outputs read it.
// Properties a family does not have are NaN.
#ifndef BRACING_DESIGN_SECTION_H
#define BRACING_DESIGN_SECTION_H

// Single equal angle (L), two back to back in a T (2L), two in a cross
// (2L+), seamless tube, round bar.
enum class SectionFamilyId { EqualAngle, DoubleAngleT, DoubleAngleCross, Tube, RoundBar };
constexpr int kSectionFamilyCount = 5;

struct Section {
    SectionFamilyId family;
    // Dimensions of the designation, mm: an angle's leg width b and
    // thickness t; a tube's outside diameter D and wall t; a bar's
    // diameter d (t NaN).
    double b_mm;
    double t_mm;
    double r_mm;       // an angle's root radius
    double mass_kg_m;  // of the whole member
    double A_cm2;      // of the whole member
    // Radii of gyration, cm. Angle families: of one angle, about the axis
    // parallel to a leg (x, y), the major (x0) and minor (y0) principal
    // axes; the member's own radii at a gusset gap come from the family.
    // Tubes and bars: every one is the section's i.
    double ix_cm;
    double iy_cm;
    double ix0_cm;
    double iy0_cm;
    double z0_cm;  // an angle's centroid from the back of a leg
};

#endif
