#include "design/bay_design.h"

#include <cmath>

namespace {

DesignCase DesignOneCase(DesignCaseKind kind, const BracingResults& bay, const DesignRequest& request,
                         const Section* given, const SectionFamily& family, SectionList sizes,
                         const MinimumSize& minimum) {
    DesignCase c;
    c.applies = kind == DesignCaseKind::Tension || family.compression;
    if (!c.applies) {
        c.check.applies = false;
        return c;
    }
    c.sized = given == nullptr;
    if (given != nullptr) {
        c.section = given;
    } else {
        const SizingChoice choice = SizeCase(family, sizes, kind, bay, request, minimum);
        c.section = choice.chosen;
        c.before = choice.before;
    }
    if (c.section != nullptr) {
        c.check = family.check(kind, bay, *c.section, request);
    }
    if (c.before != nullptr) {
        c.beforeCheck = family.check(kind, bay, *c.before, request);
    }
    return c;
}

}  // namespace

const DesignCase* BayDesign::Adopted() const {
    switch (adopted) {
        case AdoptedCase::Tension: return &tension;
        case AdoptedCase::Compression: return &compression;
        case AdoptedCase::None: break;
    }
    return nullptr;
}

AdoptedCase Adopt(DesignMethod method, const DesignCase& tension, const DesignCase& compression) {
    const bool tensionPasses = tension.section != nullptr && tension.check.ok;
    const bool compressionPasses = compression.section != nullptr && compression.check.ok;
    if (method == DesignMethod::Tension) {
        return tensionPasses ? AdoptedCase::Tension : AdoptedCase::None;
    }
    if (method == DesignMethod::Compression || !tensionPasses) {
        return compressionPasses ? AdoptedCase::Compression : AdoptedCase::None;
    }
    // Both pass: the lighter; a given section weighs the same in both, and
    // then the compression design, which also takes the load reversed.
    if (!compressionPasses) return AdoptedCase::Tension;
    return tension.section->mass_kg_m < compression.section->mass_kg_m ? AdoptedCase::Tension
                                                                       : AdoptedCase::Compression;
}

BayDesign DesignBay(const BracingResults& bay, const DesignRequest& request, const Section* given,
                    const SectionFamily& family, SectionList sizes, const MinimumSize& minimum) {
    BayDesign design;
    design.family = family.id;
    design.gusset_mm = request.gusset_mm;
    design.grade = request.grade;
    design.limits = request.limits;
    design.method = request.method;
    design.heavyCranes = request.heavyCranes;
    design.tension = DesignOneCase(DesignCaseKind::Tension, bay, request, given, family, sizes, minimum);
    design.compression =
        DesignOneCase(DesignCaseKind::Compression, bay, request, given, family, sizes, minimum);
    design.adopted = Adopt(request.method, design.tension, design.compression);
    return design;
}

bool ComputeDesignForces(const BracingInputs& in, BracingResults& out) {
    BracingInputs loads = in;
    loads.W = std::fabs(in.W);
    loads.T = std::fabs(in.T);
    return ComputeBracing(loads, out);
}
