#include "batch/section_text.h"

#include "format/fixed_text.h"
#include "io/cell_space.h"
#include "ui/number_text.h"

namespace {

// The text without its white space, in `buffer`; false when it is longer
// than any designation.
bool Squeeze(std::string_view text, char (&buffer)[32], std::string_view& squeezed) {
    std::size_t length = 0;
    for (std::size_t k = 0; k < text.size();) {
        const std::size_t space = CellSpaceLength(text, k);
        if (space > 0) {
            k += space;
            continue;
        }
        if (length == sizeof buffer) return false;
        buffer[length++] = text[k++];
    }
    squeezed = std::string_view(buffer, length);
    return true;
}

// Skips one of `marks` at `text[k]`.
template <int N>
bool SkipOne(std::string_view text, std::size_t& k, const char* const (&marks)[N]) {
    for (const char* mark : marks) {
        const std::string_view m(mark);
        if (text.compare(k, m.size(), m) == 0) {
            k += m.size();
            return true;
        }
    }
    return false;
}

// A run of decimal digits, as millimetres; false when there is none.
bool SkipMillimetres(std::string_view text, std::size_t& k, double& mm) {
    const std::size_t start = k;
    mm = 0.0;
    while (k < text.size() && text[k] >= '0' && text[k] <= '9') {
        mm = 10.0 * mm + (text[k] - '0');
        ++k;
    }
    return k > start;
}

// L, l, the angle sign U+2220 and the right angle U+221F.
const char* const kAngleMarks[] = {"L", "l", "\xE2\x88\xA0", "\xE2\x88\x9F"};
// x, X, the multiplication sign U+00D7 and *.
const char* const kTimesMarks[] = {"x", "X", "\xC3\x97", "*"};

enum class Shape { Blank, Equal, Unequal, Double, Unknown };

// b and t of "L63x6" or "L63x63x6" (squeezed); "2L63x6" is a pair.
Shape ReadShape(std::string_view s, double& b_mm, double& t_mm) {
    if (s.empty()) return Shape::Blank;
    std::size_t k = 0;
    double count = 0.0;
    const bool counted = SkipMillimetres(s, k, count);
    double sizes[3] = {};
    if (!SkipOne(s, k, kAngleMarks) || !SkipMillimetres(s, k, sizes[0])) return Shape::Unknown;
    int n = 1;
    while (n < 3 && k < s.size()) {
        if (!SkipOne(s, k, kTimesMarks) || !SkipMillimetres(s, k, sizes[n])) return Shape::Unknown;
        ++n;
    }
    if (k != s.size() || n < 2 || (counted && count != 2.0)) return Shape::Unknown;
    if (counted) return Shape::Double;
    if (n == 3 && sizes[0] != sizes[1]) return Shape::Unequal;
    b_mm = sizes[0];
    t_mm = sizes[n - 1];
    return Shape::Equal;
}

}  // namespace

bool ReadSection(std::string_view text, const SectionFamily& family, const Section*& section,
                 RefusalCode& why) {
    char buffer[32];
    std::string_view squeezed;
    double b_mm = 0.0;
    double t_mm = 0.0;
    const Shape shape =
        Squeeze(text, buffer, squeezed) ? ReadShape(squeezed, b_mm, t_mm) : Shape::Unknown;
    section = nullptr;
    switch (shape) {
        case Shape::Blank:
            return true;
        case Shape::Equal:
            section = family.find(b_mm, t_mm);
            if (section != nullptr) return true;
            why = RefusalCode::SectionNotStandard;
            return false;
        case Shape::Unequal:
            why = RefusalCode::SectionUnequal;
            return false;
        case Shape::Double:
            why = RefusalCode::SectionDouble;
            return false;
        case Shape::Unknown:
            break;
    }
    why = RefusalCode::SectionNotDesignation;
    return false;
}

void AppendDesignation(const Section& section, std::string& out) {
    out.push_back('L');
    AppendFixed(out, section.b_mm, 0);
    out.push_back('x');
    AppendFixed(out, section.t_mm, 0);
}
