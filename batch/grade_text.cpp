#include "batch/grade_text.h"

#include "io/cell_space.h"

#include <cstring>

namespace {

// The grades with their quality letters: Q235 A to D (GB/T 700-2006),
// Q345 A to E (GB/T 1591-2008), Q355 B to D as rolled and, normalised (N)
// or thermomechanically rolled (M), B to F (GB/T 1591-2018). Q235, Q345
// and Q355 alone are grades too.
struct NamedGrade {
    const char* name;  // upper case
    const char* qualities;
    bool bare;  // the name alone is a grade
    SteelGrade grade;
};

const NamedGrade kGradeNames[] = {
    {"Q235", "ABCD", true, SteelGrade::Q235},   {"Q345", "ABCDE", true, SteelGrade::Q345},
    {"Q355", "BCD", true, SteelGrade::Q355},    {"Q355N", "BCDEF", false, SteelGrade::Q355},
    {"Q355M", "BCDEF", false, SteelGrade::Q355},
};

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - ('a' - 'A')) : c; }

// Whether `s` is `g`'s name, bare where that is a grade or with one of its
// quality letters, in either case.
bool Names(std::string_view s, const NamedGrade& g) {
    const std::size_t length = std::char_traits<char>::length(g.name);
    if (s.size() < length || s.size() > length + 1) return false;
    for (std::size_t k = 0; k < length; ++k) {
        if (Upper(s[k]) != g.name[k]) return false;
    }
    if (s.size() == length) return g.bare;
    const char quality = Upper(s[length]);
    return quality != '\0' && std::strchr(g.qualities, quality) != nullptr;
}

}  // namespace

bool ReadGrade(std::string_view text, SteelGrade fallback, SteelGrade& grade) {
    const std::string_view s = TrimCellSpace(text);
    if (s.empty()) {
        grade = fallback;
        return true;
    }
    for (const NamedGrade& g : kGradeNames) {
        if (Names(s, g)) {
            grade = g.grade;
            return true;
        }
    }
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
