// The design check of one bay as the output reports it: both cases, with
// the given angle or the one sizing picks, and for a sized case the angle
// walked before it.
#ifndef BRACING_BATCH_BAY_DESIGN_H
#define BRACING_BATCH_BAY_DESIGN_H

#include "batch/sheet_bay.h"

// `given`: the bay's angle, or null to size each case from `table`.
SheetDesign CheckBayDesign(const BracingResults& bay, SteelGrade grade, SlendernessLimits limits,
                           const AngleSection* given, const SectionTable& table,
                           const MinimumSize& minimum);

#endif
