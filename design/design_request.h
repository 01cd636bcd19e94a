// What a bay's design is asked for besides its forces and section.
#ifndef BRACING_DESIGN_DESIGN_REQUEST_H
#define BRACING_DESIGN_DESIGN_REQUEST_H

#include "design/slenderness_limits.h"
#include "design/steel_grades.h"

// How the diagonals are designed: as tension members, the compressed one
// taken to buckle (GB 50017-2017 7.4.7 item 6), as members that also take
// compression, or whichever passing design is lighter.
enum class DesignMethod { Tension, Compression, Auto };

struct DesignRequest {
    SteelGrade grade = SteelGrade::Q235;
    SlendernessLimits limits{};
    DesignMethod method = DesignMethod::Auto;
    bool heavyCranes = false;  // heavy-duty cranes (A6-A8) in the building
    // Gusset thickness, mm: the gap between the angles of 2L and 2L+.
    double gusset_mm = 8.0;
};

#endif
