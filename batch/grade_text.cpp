#include "batch/grade_text.h"

#include "io/cell_space.h"
#include "format/message_text.h"

namespace {

struct NamedGrade {
    const char* name;
    SteelGrade grade;
};

const NamedGrade kGradeNames[] = {
    {"Q235", SteelGrade::Q235}, {"Q345", SteelGrade::Q345}, {"Q355", SteelGrade::Q355}};

bool IsLetterIn(char c, char first, char last) {
    return (c >= first && c <= last) || (c >= first + ('a' - 'A') && c <= last + ('a' - 'A'));
}

// What may follow the number: nothing, a quality letter A to F, or the
// delivery state N or M and then one (GB/T 1591-2018).
bool IsQualitySuffix(std::string_view s) {
    if (s.size() == 2 && IsLetterIn(s[0], 'M', 'N')) s.remove_prefix(1);
    return s.empty() || (s.size() == 1 && IsLetterIn(s[0], 'A', 'F'));
}

}  // namespace

bool ReadGrade(std::string_view text, SteelGrade fallback, SteelGrade& grade, std::string& error) {
    const std::string_view s = TrimCellSpace(text);
    if (s.empty()) {
        grade = fallback;
        return true;
    }
    for (const NamedGrade& g : kGradeNames) {
        if ((s[0] == 'Q' || s[0] == 'q') && s.compare(1, 3, g.name + 1) == 0 &&
            IsQualitySuffix(s.substr(4))) {
            grade = g.grade;
            return true;
        }
    }
    error = "grade: " + QuotedText(text, kShownCellCharacters) + " is not a grade: Q235, Q345 or Q355";
    return false;
}

const char* GradeName(SteelGrade grade) {
    switch (grade) {
        case SteelGrade::Q345: return "Q345";
        case SteelGrade::Q355: return "Q355";
        case SteelGrade::Q235: break;
    }
    return "Q235";
}
