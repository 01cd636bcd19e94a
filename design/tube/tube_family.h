// Hot-rolled seamless structural tubes (GB/T 8162) as a section family:
// the stock list for sizing, any D x t given.
#ifndef BRACING_DESIGN_TUBE_TUBE_FAMILY_H
#define BRACING_DESIGN_TUBE_TUBE_FAMILY_H

#include "calc/bracing.h"
#include "design/design_check.h"
#include "design/design_request.h"
#include "design/section_family.h"

const SectionFamily& TubeFamily();

// Tension: slenderness, strength N1/A <= f. Compression: slenderness,
// stability, D/t. f of Table 4.4.3 (seamless tubes).
DesignCheck CheckTube(DesignCaseKind kind, const BracingResults& bay, const Section& s,
                      const DesignRequest& request);

#endif
