#include "batch/bay_design.h"

namespace {

template <class Check, class CheckFunction, class SizeFunction>
SheetCase<Check> CheckCase(const BracingResults& bay, SteelGrade grade, double limit,
                           const AngleSection* given, const SectionTable& table,
                           const MinimumSize& minimum, CheckFunction check, SizeFunction size) {
    SheetCase<Check> c;
    c.sized = given == nullptr;
    if (given != nullptr) {
        c.section = given;
    } else {
        const SizingChoice choice = size(table, bay, grade, limit, minimum);
        c.section = choice.chosen;
        c.before = choice.before;
    }
    if (c.section != nullptr) {
        c.check = check(bay, *c.section, grade, limit);
    }
    if (c.before != nullptr) {
        c.beforeCheck = check(bay, *c.before, grade, limit);
    }
    return c;
}

}  // namespace

SheetDesign CheckBayDesign(const BracingResults& bay, SteelGrade grade, SlendernessLimits limits,
                           const AngleSection* given, const SectionTable& table,
                           const MinimumSize& minimum) {
    SheetDesign design;
    design.grade = grade;
    design.limits = limits;
    design.tension = CheckCase<TensionCheck>(bay, grade, limits.tension, given, table, minimum,
                                             CheckTension, SizeTension);
    design.compression = CheckCase<CompressionCheck>(bay, grade, limits.compression, given, table,
                                                     minimum, CheckCompression, SizeCompression);
    return design;
}
