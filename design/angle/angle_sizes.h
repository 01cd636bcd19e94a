// The nominal dimensions of the standard's equal angles, as data.
#ifndef BRACING_DESIGN_ANGLE_ANGLE_SIZES_H
#define BRACING_DESIGN_ANGLE_ANGLE_SIZES_H

struct AngleSize {
    double b_mm;       // leg width
    double t_mm;       // thickness
    double r_mm;       // root radius
    double mass_kg_m;  // printed mass per metre
};

constexpr int kAngleSizeCount = 115;
extern const AngleSize kAngleSizes[kAngleSizeCount];

#endif
