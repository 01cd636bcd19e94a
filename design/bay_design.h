// The design of one bay: for the tension and the compression case, the
// section given or the one sizing picks, its check and, for a sized case,
// the section walked before it with its check; then the one design adopted
// by the engineer's method.
#ifndef BRACING_DESIGN_BAY_DESIGN_H
#define BRACING_DESIGN_BAY_DESIGN_H

#include "calc/bracing.h"
#include "design/design_check.h"
#include "design/design_request.h"
#include "design/section.h"
#include "design/section_family.h"
#include "design/slenderness_limits.h"
#include "design/steel_grades.h"

struct DesignCase {
    // False: the family takes no such case (a round bar in compression);
    // nothing else is set.
    bool applies = true;
    const Section* section = nullptr;  // given or sized; null: none passes
    DesignCheck check{};               // of `section`
    bool sized = false;
    // Sized: the section walked before `section` (null when `section` came
    // first); when none passes, the last section walked.
    const Section* before = nullptr;
    DesignCheck beforeCheck{};
};

enum class AdoptedCase { None, Tension, Compression };

struct BayDesign {
    SectionFamilyId family = SectionFamilyId::EqualAngle;
    double gusset_mm = 8.0;
    SteelGrade grade = SteelGrade::Q235;
    SlendernessLimits limits{};
    DesignMethod method = DesignMethod::Auto;
    bool heavyCranes = false;  // heavy-duty cranes (A6-A8) in the building
    DesignCase tension;
    DesignCase compression;
    AdoptedCase adopted = AdoptedCase::None;  // None: the method finds no passing design

    // The adopted case; null when none is.
    const DesignCase* Adopted() const;
};

// The case `method` adopts: tension or compression where that case passes;
// auto the lighter passing one by mass per metre, compression on a tie.
AdoptedCase Adopt(DesignMethod method, const DesignCase& tension, const DesignCase& compression);

// `given`: the bay's section, of `family`, or null to size each case from
// `sizes`, of `family`.
BayDesign DesignBay(const BracingResults& bay, const DesignRequest& request, const Section* given,
                    const SectionFamily& family, SectionList sizes, const MinimumSize& minimum);

// The design forces: P = (|W| + |T|)/n, since wind and crane braking can
// each act either way along the building and the diagonal must take both
// at once. False, as ComputeBracing, when H, B or n is not positive.
bool ComputeDesignForces(const BracingInputs& in, BracingResults& out);

#endif
