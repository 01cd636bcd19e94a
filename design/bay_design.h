// The design of one bay: for the tension and the compression case, the
// section given or the one sizing picks, its check and, for a sized case,
// the section walked before it with its check.
#ifndef BRACING_DESIGN_BAY_DESIGN_H
#define BRACING_DESIGN_BAY_DESIGN_H

#include "calc/bracing.h"
#include "design/design_check.h"
#include "design/section.h"
#include "design/section_family.h"
#include "design/slenderness_limits.h"
#include "design/steel_grades.h"

struct DesignCase {
    const Section* section = nullptr;  // given or sized; null: none passes
    DesignCheck check{};               // of `section`
    bool sized = false;
    // Sized: the section walked before `section` (null when `section` came
    // first); when none passes, the last section walked.
    const Section* before = nullptr;
    DesignCheck beforeCheck{};
};

struct BayDesign {
    SteelGrade grade = SteelGrade::Q235;
    SlendernessLimits limits{};
    DesignCase tension;
    DesignCase compression;
};

// `given`: the bay's section, of `family`, or null to size each case from `family`.
BayDesign DesignBay(const BracingResults& bay, SteelGrade grade, SlendernessLimits limits,
                    const Section* given, const SectionFamily& family, const MinimumSize& minimum);

#endif
