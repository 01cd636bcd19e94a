#include "report/family_steps.h"

#include "report/angle_steps.h"
#include "report/double_angle_steps.h"
#include "report/round_steps.h"

namespace {

const FamilySteps kFamilySteps[] = {
    {SectionFamilyId::EqualAngle, AngleTensionSteps, AngleCompressionSteps, AngleProperties, false},
    {SectionFamilyId::DoubleAngleT, PairTensionSteps, PairCompressionSteps, PairProperties, true},
    {SectionFamilyId::DoubleAngleCross, PairTensionSteps, PairCompressionSteps, PairProperties, true},
    {SectionFamilyId::Tube, TubeTensionSteps, TubeCompressionSteps, RoundProperties, false},
    {SectionFamilyId::RoundBar, BarTensionSteps, nullptr, RoundProperties, false},
};

}  // namespace

const FamilySteps& StepsOf(SectionFamilyId family) {
    for (const FamilySteps& steps : kFamilySteps) {
        if (steps.family == family) return steps;
    }
    return kFamilySteps[0];
}
