// The core's calculation of one bay written out step by step, in the
// order the core works, each result in the dialog's format.
#ifndef BRACING_REPORT_HTML_SHEET_CALC_H
#define BRACING_REPORT_HTML_SHEET_CALC_H

#include "calc/bracing.h"

#include <string>

// Forces and effective lengths; with `trialSection` (A and i typed, no
// section check) also the dialog's required radii, phi and stresses.
void AppendCoreSteps(std::string& html, const BracingInputs& in, const BracingResults& r,
                     bool trialSection);

// "cm2" as "cm²": the dialog's units, typeset.
std::string UnitText(const char* unit);

#endif
