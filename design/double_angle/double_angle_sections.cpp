#include "design/double_angle/double_angle_sections.h"

#include <cmath>

#include "design/angle/angle_sections.h"

static_assert(kDoubleAngleCount == SectionTable::kCount, "a pair of each angle");

namespace {

// The pair: twice the area and the printed mass; the single angle's radii
// and centroid stay, for the member's radii at its gap.
Section Pair(SectionFamilyId family, const Section& single) {
    Section out = single;
    out.family = family;
    out.A_cm2 = 2.0 * single.A_cm2;
    out.mass_kg_m = 2.0 * single.mass_kg_m;
    return out;
}

}  // namespace

const DoubleAngleTable& DoubleAnglesT() {
    static const DoubleAngleTable table(
        [](int k) { return Pair(SectionFamilyId::DoubleAngleT, EqualAngles().At(k)); }, EverySize);
    return table;
}

const DoubleAngleTable& DoubleAnglesCross() {
    static const DoubleAngleTable table(
        [](int k) { return Pair(SectionFamilyId::DoubleAngleCross, EqualAngles().At(k)); }, EverySize);
    return table;
}

bool MakeDoubleAngle(SectionFamilyId family, double b_mm, double t_mm, Section& out) {
    const int k = EqualAngles().Find(b_mm, t_mm);
    if (k < 0) return false;
    out = Pair(family, EqualAngles().At(k));
    return true;
}

double GapRadius(const Section& s, double gusset_mm) {
    // Half the gap, mm to cm.
    const double offset_cm = s.z0_cm + gusset_mm / 20.0;
    return std::sqrt(s.ix_cm * s.ix_cm + offset_cm * offset_cm);
}
