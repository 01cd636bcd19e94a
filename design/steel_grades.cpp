#include "steel_grades.h"

#include <algorithm>
#include <limits>

namespace {

// Design strength for plates up to a thickness.
struct StrengthBand {
    double t_max_mm;
    double f;  // N/mm2
};

// GB 50017-2017 Table 4.4.1.
constexpr StrengthBand kQ235Bands[] = {{16.0, 215.0}, {40.0, 205.0}, {100.0, 200.0}};
// GB 50017-2017 Table 4.4.1 for Q345; GB 55006-2021 gives Q355 the same values.
constexpr StrengthBand kQ345Bands[] = {
    {16.0, 305.0}, {40.0, 295.0}, {63.0, 290.0}, {80.0, 280.0}, {100.0, 270.0}};

// GB 50017-2017 Table 4.4.3, seamless structural tubes, by wall thickness.
constexpr StrengthBand kQ235TubeBands[] = {
    {16.0, 215.0}, {30.0, 205.0}, {std::numeric_limits<double>::infinity(), 195.0}};
constexpr StrengthBand kQ345TubeBands[] = {
    {16.0, 305.0}, {30.0, 290.0}, {std::numeric_limits<double>::infinity(), 260.0}};

template <int N>
double BandStrength(const StrengthBand (&bands)[N], double t_mm) {
    const StrengthBand* band = std::find_if(
        bands, bands + N, [t_mm](const StrengthBand& b) { return t_mm <= b.t_max_mm; });
    return band == bands + N ? 0.0 : band->f;
}

}  // namespace

double YieldStrength(SteelGrade grade) {
    switch (grade) {
        case SteelGrade::Q345: return 345.0;
        case SteelGrade::Q355: return 355.0;
        case SteelGrade::Q235: break;
    }
    return 235.0;
}

double DesignStrength(SteelGrade grade, double t_mm) {
    if (grade == SteelGrade::Q235) return BandStrength(kQ235Bands, t_mm);
    return BandStrength(kQ345Bands, t_mm);
}

double TubeStrength(SteelGrade grade, double t_mm) {
    if (grade == SteelGrade::Q235) return BandStrength(kQ235TubeBands, t_mm);
    return BandStrength(kQ345TubeBands, t_mm);
}

const BucklingCurve& AngleBucklingCurve(SteelGrade grade) {
    // GB 50017-2017 Table 7.2.1-1, rolled equal angles.
    return grade == SteelGrade::Q235 ? kCurveB : kCurveA;
}
