// Hot-rolled equal-leg angles of GB/T 706-2016: the standard's 115 sizes
// and their section properties, computed once from the nominal dimensions.
#ifndef BRACING_DESIGN_ANGLE_SECTIONS_H
#define BRACING_DESIGN_ANGLE_SECTIONS_H

struct AngleSection {
    double b_mm;       // leg width
    double t_mm;       // thickness
    double r_mm;       // root radius
    double mass_kg_m;  // mass per metre as the standard prints it
    double A_cm2;      // area
    double ix_cm;      // radius of gyration about the axis parallel to a leg
    double ix0_cm;     // about the major principal axis
    double iy0_cm;     // about the minor principal axis (the smallest)
};

class SectionTable {
public:
    static constexpr int kCount = 115;

    // Computes every section's properties; built once, then read only.
    SectionTable();

    int Count() const { return kCount; }
    // In the standard's order: by leg width, then thickness.
    const AngleSection& At(int k) const { return sections_[k]; }
    // Table index of the b x t angle, -1 when the standard has no such size.
    int Find(double b_mm, double t_mm) const;
    // The k-th angle of the sizing walk: by mass, then area, then leg width.
    const AngleSection& BySizingOrder(int k) const { return sections_[sizing_order_[k]]; }

private:
    AngleSection sections_[kCount];
    int sizing_order_[kCount];
};

// The one table of the program, built on first use.
const SectionTable& EqualAngles();

#endif
