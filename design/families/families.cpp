#include "design/families/families.h"

#include "design/angle/angle_family.h"
#include "design/bar/bar_family.h"
#include "design/double_angle/double_angle_family.h"
#include "design/tube/tube_family.h"

const SectionFamily& FamilyOf(SectionFamilyId id) {
    switch (id) {
        case SectionFamilyId::DoubleAngleT: return DoubleAngleTFamily();
        case SectionFamilyId::DoubleAngleCross: return DoubleAngleCrossFamily();
        case SectionFamilyId::Tube: return TubeFamily();
        case SectionFamilyId::RoundBar: return RoundBarFamily();
        case SectionFamilyId::EqualAngle: break;
    }
    return EqualAngleFamily();
}

const SectionFamilyId kSectionFamilies[kSectionFamilyCount] = {
    SectionFamilyId::EqualAngle, SectionFamilyId::DoubleAngleT, SectionFamilyId::DoubleAngleCross,
    SectionFamilyId::Tube, SectionFamilyId::RoundBar,
};
