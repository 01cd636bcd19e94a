// Design check of an X-brace diagonal of two equal angles, back to back
// in a T or in a cross, the gusset between them, each angle connected by
// one leg.
#ifndef BRACING_DESIGN_DOUBLE_ANGLE_DOUBLE_ANGLE_CHECK_H
#define BRACING_DESIGN_DOUBLE_ANGLE_DOUBLE_ANGLE_CHECK_H

#include "calc/bracing.h"
#include "design/design_check.h"
#include "design/design_request.h"
#include "design/section.h"

// GB 50017-2017 Table 7.1.3: an angle connected by one leg works at its
// end section with eta = 0.85.
constexpr double kEndSectionEta = 0.85;

// The member's slenderness in the bracing plane (node to crossing) and out
// of it, and the larger, which the limit is checked on (7.4.6: torsion
// is not counted for the limit).
struct PairSlenderness {
    double lambda_x;
    double lambda_y;
    double lambda;
};

PairSlenderness DoubleAngleSlenderness(DesignCaseKind kind, const BracingResults& bay,
                                       const Section& s, double gusset_mm);

// Tension: slenderness, the end section's strength; fillers.
// Compression: slenderness, stability (phi at the torsional slenderness of
// 7.2.2 where it governs), leg width, the end section's strength; fillers.
DesignCheck CheckDoubleAngle(DesignCaseKind kind, const BracingResults& bay, const Section& s,
                             const DesignRequest& request);

#endif
