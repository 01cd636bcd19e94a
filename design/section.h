// One section of any family, as the checks and the outputs read it.
// Properties a family does not have are NaN.
#ifndef BRACING_DESIGN_SECTION_H
#define BRACING_DESIGN_SECTION_H

enum class SectionFamilyId { EqualAngle };

struct Section {
    SectionFamilyId family;
    // Dimensions of the designation: an angle's leg width b and thickness t.
    double b_mm;
    double t_mm;
    double r_mm;       // root radius
    double mass_kg_m;  // mass per metre as the standard prints it
    double A_cm2;      // area
    // Radii of gyration, cm: about the axis parallel to a leg (x), the
    // other leg-parallel axis (y), the major (x0) and minor (y0) principal axes.
    double ix_cm;
    double iy_cm;
    double ix0_cm;
    double iy0_cm;  // the smallest of an angle
};

#endif
