// Design check of one X-brace diagonal made of a single equal angle
// connected by one leg, for the tension and the compression design of a bay.
#ifndef BRACING_DESIGN_ANGLE_ANGLE_CHECK_H
#define BRACING_DESIGN_ANGLE_ANGLE_CHECK_H

#include "calc/bracing.h"
#include "design/design_check.h"
#include "design/design_request.h"
#include "design/section.h"

// Tension design: N1, Lx1 and Ly1 of `bay`; slenderness, then strength.
DesignCheck CheckAngleTension(const BracingResults& bay, const Section& section,
                              const DesignRequest& request);

// Compression design: N2, L, Lx2 and Ly2 of `bay`; slenderness, stability
// (phi at the larger of lambda and the equivalent slenderness of 7.6.2),
// then leg width.
DesignCheck CheckAngleCompression(const BracingResults& bay, const Section& section,
                                  const DesignRequest& request);

#endif
