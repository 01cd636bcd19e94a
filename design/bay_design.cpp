#include "design/bay_design.h"

namespace {

DesignCase DesignOneCase(DesignCaseKind kind, const BracingResults& bay, SteelGrade grade,
                         double limit, const Section* given, const SectionFamily& family,
                         const MinimumSize& minimum) {
    DesignCase c;
    c.sized = given == nullptr;
    if (given != nullptr) {
        c.section = given;
    } else {
        const SizingChoice choice = SizeCase(family, kind, bay, grade, limit, minimum);
        c.section = choice.chosen;
        c.before = choice.before;
    }
    if (c.section != nullptr) {
        c.check = family.check(kind, bay, *c.section, grade, limit);
    }
    if (c.before != nullptr) {
        c.beforeCheck = family.check(kind, bay, *c.before, grade, limit);
    }
    return c;
}

}  // namespace

BayDesign DesignBay(const BracingResults& bay, SteelGrade grade, SlendernessLimits limits,
                    const Section* given, const SectionFamily& family, const MinimumSize& minimum) {
    BayDesign design;
    design.grade = grade;
    design.limits = limits;
    design.tension = DesignOneCase(DesignCaseKind::Tension, bay, grade, limits.tension, given,
                                   family, minimum);
    design.compression = DesignOneCase(DesignCaseKind::Compression, bay, grade,
                                       limits.compression, given, family, minimum);
    return design;
}
