#include "batch/section_text.h"

#include <cmath>

#include "batch/cell_number.h"
#include "design/families/families.h"
#include "format/fixed_text.h"
#include "io/cell_space.h"

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

// A dimension in mm: digits with an optional point, above 0; false when
// there is none.
bool SkipMillimetres(std::string_view text, std::size_t& k, double& mm) {
    const std::size_t start = k;
    while (k < text.size() && ((text[k] >= '0' && text[k] <= '9') || text[k] == '.')) ++k;
    const CellNumber number = ReadCellNumber(text.substr(start, k - start));
    mm = number.value;
    return k > start && number.status == CellStatus::Number && mm > 0.0;
}

// L, l, the angle sign U+2220 and the right angle U+221F.
const char* const kAngleMarks[] = {"L", "l", "\xE2\x88\xA0", "\xE2\x88\x9F"};
// The cross of two angles: + and 十 U+5341.
const char* const kCrossMarks[] = {"+", "\xE5\x8D\x81"};
// D, d, Φ U+03A6, φ U+03C6, ϕ U+03D5, Ø U+00D8, ø U+00F8.
const char* const kRoundMarks[] = {"D", "d", "\xCE\xA6", "\xCF\x86", "\xCF\x95", "\xC3\x98", "\xC3\xB8"};
// P: a pipe, tubes only.
const char* const kPipeMarks[] = {"P", "p"};
// x, X, the multiplication sign U+00D7 and *.
const char* const kTimesMarks[] = {"x", "X", "\xC3\x97", "*"};

enum class Shape { Blank, Section, Unequal, Unknown };

struct Designation {
    SectionFamilyId family = SectionFamilyId::EqualAngle;
    double b_mm = 0.0;
    double t_mm = 0.0;  // NaN: one dimension
};

// Up to `most` dimensions joined by a times mark; how many were read, 0
// when the text does not continue as dimensions.
int SkipDimensions(std::string_view s, std::size_t& k, double (&sizes)[3], int most) {
    if (!SkipMillimetres(s, k, sizes[0])) return 0;
    int n = 1;
    while (n < most && k < s.size() && SkipOne(s, k, kTimesMarks)) {
        if (!SkipMillimetres(s, k, sizes[n])) return 0;
        ++n;
    }
    return n;
}

Shape ReadAngles(std::string_view s, std::size_t k, bool pair, Designation& d) {
    double sizes[3] = {};
    const int n = SkipDimensions(s, k, sizes, 3);
    const bool cross = pair && SkipOne(s, k, kCrossMarks);
    if (n < 2 || k != s.size()) return Shape::Unknown;
    if (n == 3 && sizes[0] != sizes[1]) return Shape::Unequal;
    d.family = !pair ? SectionFamilyId::EqualAngle
                     : cross ? SectionFamilyId::DoubleAngleCross : SectionFamilyId::DoubleAngleT;
    d.b_mm = sizes[0];
    d.t_mm = sizes[n - 1];
    return Shape::Section;
}

Shape ReadRound(std::string_view s, std::size_t k, bool pipe, Designation& d) {
    double sizes[3] = {};
    const int n = SkipDimensions(s, k, sizes, 2);
    if (n == 0 || k != s.size() || (pipe && n == 1)) return Shape::Unknown;
    d.family = n == 1 ? SectionFamilyId::RoundBar : SectionFamilyId::Tube;
    d.b_mm = sizes[0];
    d.t_mm = n == 1 ? std::nan("") : sizes[1];
    return Shape::Section;
}

Shape ReadShape(std::string_view s, Designation& d) {
    if (s.empty()) return Shape::Blank;
    std::size_t k = 0;
    if (s.compare(0, 1, "2") == 0) {
        ++k;
        return SkipOne(s, k, kAngleMarks) ? ReadAngles(s, k, true, d) : Shape::Unknown;
    }
    if (SkipOne(s, k, kAngleMarks)) return ReadAngles(s, k, false, d);
    if (SkipOne(s, k, kRoundMarks)) return ReadRound(s, k, false, d);
    if (SkipOne(s, k, kPipeMarks)) return ReadRound(s, k, true, d);
    return Shape::Unknown;
}

RefusalCode NoSuchSize(SectionFamilyId family) {
    switch (family) {
        case SectionFamilyId::Tube: return RefusalCode::TubeWallTooThick;
        case SectionFamilyId::RoundBar: return RefusalCode::BarNotListed;
        case SectionFamilyId::EqualAngle:
        case SectionFamilyId::DoubleAngleT:
        case SectionFamilyId::DoubleAngleCross: break;
    }
    return RefusalCode::SectionNotStandard;
}

void AppendDimension(std::string& out, double mm) { out.append(ShortestFixed(mm, 2).View()); }

}  // namespace

bool ReadSection(std::string_view text, bool& given, Section& section, RefusalCode& why) {
    char buffer[32];
    std::string_view squeezed;
    Designation d;
    const Shape shape = Squeeze(text, buffer, squeezed) ? ReadShape(squeezed, d) : Shape::Unknown;
    given = false;
    switch (shape) {
        case Shape::Blank:
            return true;
        case Shape::Section:
            given = FamilyOf(d.family).make(d.b_mm, d.t_mm, section);
            if (given) return true;
            why = NoSuchSize(d.family);
            return false;
        case Shape::Unequal:
            why = RefusalCode::SectionUnequal;
            return false;
        case Shape::Unknown:
            break;
    }
    why = RefusalCode::SectionNotDesignation;
    return false;
}

void AppendDesignation(const Section& section, std::string& out) {
    switch (section.family) {
        case SectionFamilyId::Tube:
            out.push_back('D');
            AppendDimension(out, section.b_mm);
            out.push_back('x');
            AppendDimension(out, section.t_mm);
            return;
        case SectionFamilyId::RoundBar:
            out.push_back('D');
            AppendDimension(out, section.b_mm);
            return;
        case SectionFamilyId::DoubleAngleT:
        case SectionFamilyId::DoubleAngleCross:
            out.push_back('2');
            break;
        case SectionFamilyId::EqualAngle:
            break;
    }
    out.push_back('L');
    AppendFixed(out, section.b_mm, 0);
    out.push_back('x');
    AppendFixed(out, section.t_mm, 0);
    if (section.family == SectionFamilyId::DoubleAngleCross) out.push_back('+');
}
