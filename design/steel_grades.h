// Structural steel grades: yield and design strengths and the buckling
// curve of a rolled equal angle in each grade.
#ifndef BRACING_DESIGN_STEEL_GRADES_H
#define BRACING_DESIGN_STEEL_GRADES_H

#include "calc/stability.h"

enum class SteelGrade { Q235, Q345, Q355 };

// The grade's number, N/mm2: 235, 345 or 355.
double YieldStrength(SteelGrade grade);

// Design strength f in tension, compression and bending, N/mm2, by plate
// thickness t (GB 50017-2017 Table 4.4.1; Q355 per GB 55006-2021).
// 0 beyond the tables (t above 100 mm, or not a number).
double DesignStrength(SteelGrade grade, double t_mm);

// Design strength f of a seamless structural tube, N/mm2, by wall
// thickness (GB 50017-2017 Table 4.4.3; Q355 as Q345). 0 beyond (NaN).
double TubeStrength(SteelGrade grade, double t_mm);

// Curve of a rolled equal angle (GB 50017-2017 Table 7.2.1-1): class b
// for Q235, class a for Q345 and Q355.
const BucklingCurve& AngleBucklingCurve(SteelGrade grade);

#endif
