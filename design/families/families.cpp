#include "design/families/families.h"

#include "design/angle/angle_family.h"

const SectionFamily& FamilyOf(SectionFamilyId id) {
    switch (id) {
        case SectionFamilyId::EqualAngle: break;
    }
    return EqualAngleFamily();
}
