// Hot-rolled round bars (GB/T 702) as a section family: tension only.
#ifndef BRACING_DESIGN_BAR_BAR_FAMILY_H
#define BRACING_DESIGN_BAR_BAR_FAMILY_H

#include "calc/bracing.h"
#include "design/design_check.h"
#include "design/design_request.h"
#include "design/section_family.h"

const SectionFamily& RoundBarFamily();

// Tension: slenderness where a limit applies, strength N1/A <= f.
DesignCheck CheckBar(const BracingResults& bay, const Section& s, const DesignRequest& request);

#endif
