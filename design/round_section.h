// Sections of round tubes and bars from their nominal dimensions, shared
// by the tube and the bar family.
#ifndef BRACING_DESIGN_ROUND_SECTION_H
#define BRACING_DESIGN_ROUND_SECTION_H

#include "design/section.h"

// Mass per metre of steel, kg/m, from the area in cm2 (7.85 t/m3), to
// three decimals.
double SteelMass(double A_cm2);

// A tube of outside diameter D and wall t, mm: A = pi (D - t) t,
// i = sqrt(D^2 + (D - 2t)^2) / 4.
Section TubeSection(double D_mm, double t_mm);

// A bar of diameter d, mm: A = pi d^2 / 4, i = d / 4.
Section BarSection(double d_mm);

#endif
