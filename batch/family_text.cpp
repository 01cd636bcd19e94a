#include "batch/family_text.h"

#include "batch/word_case.h"

namespace {

struct NamedFamily {
    // Both read by ReadWordCell, a template cppcheck does not follow.
    // cppcheck-suppress unusedStructMember
    const char* name;  // lower case
    // cppcheck-suppress unusedStructMember
    SectionFamilyId value;
};

// The canonical word of each family first, in the order of the ids.
const NamedFamily kFamilyNames[] = {
    {"l", SectionFamilyId::EqualAngle},        {"2l", SectionFamilyId::DoubleAngleT},
    {"2l+", SectionFamilyId::DoubleAngleCross}, {"tube", SectionFamilyId::Tube},
    {"bar", SectionFamilyId::RoundBar},         {"单角钢", SectionFamilyId::EqualAngle},
    {"双角钢", SectionFamilyId::DoubleAngleT},  {"十字双角钢", SectionFamilyId::DoubleAngleCross},
    {"钢管", SectionFamilyId::Tube},            {"圆钢", SectionFamilyId::RoundBar},
};

}  // namespace

bool ReadFamily(std::string_view text, SectionFamilyId fallback, SectionFamilyId& family) {
    return ReadWordCell(text, kFamilyNames, fallback, family);
}

const char* FamilyName(SectionFamilyId family) {
    switch (family) {
        case SectionFamilyId::DoubleAngleT: return "2L";
        case SectionFamilyId::DoubleAngleCross: return "2L+";
        case SectionFamilyId::Tube: return "tube";
        case SectionFamilyId::RoundBar: return "bar";
        case SectionFamilyId::EqualAngle: break;
    }
    return "L";
}
