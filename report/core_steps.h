// The core's calculation of one bay written out step by step, in the
// order the core works, each result in the dialog's format.
#ifndef BRACING_REPORT_CORE_STEPS_H
#define BRACING_REPORT_CORE_STEPS_H

#include "calc/bracing.h"
#include "report/report_model.h"

#include <string>
#include <vector>

// Forces and effective lengths; with `trialSection` (A and i typed, no
// section check) also the dialog's required radii, phi and stresses.
void BuildCoreSteps(const BracingInputs& in, const BracingResults& r, bool trialSection,
                    std::vector<Step>& steps);

// The load a frame takes, as its step gives it: "P = (|W| + |T|)/n = 25.000 kN".
std::string LoadText(const BracingResults& r, bool trialSection);

// "cm2" as "cm²": the dialog's units, typeset.
std::string UnitText(const char* unit);

#endif
