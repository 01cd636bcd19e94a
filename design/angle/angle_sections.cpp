#include "design/angle/angle_sections.h"

#include <algorithm>
#include <cmath>

#include "design/angle/angle_sizes.h"
#include "design/section_family.h"

static_assert(SectionTable::kCount == kAngleSizeCount, "one section per listed size");

namespace {

constexpr double kPi = 3.14159265358979323846;

// Area and its first and second moments about the heel (the outer corner),
// x along one leg, y along the other; mm based.
struct Moments {
    double a = 0.0;
    double sx = 0.0;   // integral of x dA
    double sy = 0.0;   // integral of y dA
    double sxx = 0.0;  // integral of x^2 dA
    double syy = 0.0;
    double sxy = 0.0;
};

void AddRectangle(Moments& m, double sign, double x0, double x1, double y0, double y1) {
    const double w = x1 - x0;
    const double h = y1 - y0;
    m.a += sign * w * h;
    m.sx += sign * h * (x1 * x1 - x0 * x0) / 2.0;
    m.sy += sign * w * (y1 * y1 - y0 * y0) / 2.0;
    m.sxx += sign * h * (x1 * x1 * x1 - x0 * x0 * x0) / 3.0;
    m.syy += sign * w * (y1 * y1 * y1 - y0 * y0 * y0) / 3.0;
    m.sxy += sign * (x1 * x1 - x0 * x0) * (y1 * y1 - y0 * y0) / 4.0;
}

// Quarter disc of radius R centred at (cx, cy), lying towards (dx, dy),
// each +1 or -1.
void AddQuarterDisc(Moments& m, double sign, double cx, double cy, double R, double dx, double dy) {
    const double a = kPi * R * R / 4.0;
    const double mx = dx * R * R * R / 3.0;  // about the centre
    const double my = dy * R * R * R / 3.0;
    const double ii = kPi * R * R * R * R / 16.0;
    const double ixy = dx * dy * R * R * R * R / 8.0;
    m.a += sign * a;
    m.sx += sign * (cx * a + mx);
    m.sy += sign * (cy * a + my);
    m.sxx += sign * (cx * cx * a + 2.0 * cx * mx + ii);
    m.syy += sign * (cy * cy * a + 2.0 * cy * my + ii);
    m.sxy += sign * (cx * cy * a + cx * my + cy * mx + ixy);
}

Section Compute(const AngleSize& s) {
    const double b = s.b_mm;
    const double t = s.t_mm;
    const double r = s.r_mm;
    const double r1 = t / 3.0;  // toe radius (GB/T 706-2016)

    // The exact outline: two legs, the root fillet, less the rounded inner
    // edge of each leg tip.
    Moments m;
    AddRectangle(m, 1.0, 0.0, b, 0.0, t);
    AddRectangle(m, 1.0, 0.0, t, t, b);
    AddRectangle(m, 1.0, t, t + r, t, t + r);
    AddQuarterDisc(m, -1.0, t + r, t + r, r, -1.0, -1.0);
    AddRectangle(m, -1.0, b - r1, b, t - r1, t);
    AddQuarterDisc(m, 1.0, b - r1, t - r1, r1, 1.0, 1.0);
    AddRectangle(m, -1.0, t - r1, t, b - r1, b);
    AddQuarterDisc(m, 1.0, t - r1, b - r1, r1, 1.0, 1.0);

    const double cx = m.sx / m.a;
    const double cy = m.sy / m.a;
    const double Ix = m.syy - m.a * cy * cy;  // about the centroidal axis parallel to x
    const double Iy = m.sxx - m.a * cx * cx;
    const double Ixy = m.sxy - m.a * cx * cy;
    // Symmetric about the 45 degree line: the principal axes are at 45 degrees.
    const double Iu = 0.5 * (Ix + Iy) + std::fabs(Ixy);
    const double Iv = 0.5 * (Ix + Iy) - std::fabs(Ixy);

    Section out;
    out.family = SectionFamilyId::EqualAngle;
    out.b_mm = b;
    out.t_mm = t;
    out.r_mm = r;
    out.mass_kg_m = s.mass_kg_m;
    // The standard's area formula, which reproduces its printed areas (mm2 to cm2).
    out.A_cm2 = (t * (2.0 * b - t) + 0.215 * (r * r - 2.0 * r1 * r1)) / 100.0;
    // Radii in cm from mm.
    out.ix_cm = std::sqrt(Ix / m.a) / 10.0;
    out.iy_cm = out.ix_cm;  // equal legs
    out.ix0_cm = std::sqrt(Iu / m.a) / 10.0;
    out.iy0_cm = std::sqrt(Iv / m.a) / 10.0;
    out.z0_cm = cx / 10.0;  // equal legs: the same from either back
    return out;
}

}  // namespace

SectionTable::SectionTable() : sections_(), lightest_() {
    for (int k = 0; k < kCount; ++k) {
        sections_[k] = Compute(kAngleSizes[k]);
        lightest_[k] = sections_[k];
    }
    std::stable_sort(lightest_, lightest_ + kCount, LighterFirst);
}

int SectionTable::Find(double b_mm, double t_mm) const {
    for (int k = 0; k < kCount; ++k) {
        if (sections_[k].b_mm == b_mm && sections_[k].t_mm == t_mm) return k;
    }
    return -1;
}

const SectionTable& EqualAngles() {
    static const SectionTable table;
    return table;
}
