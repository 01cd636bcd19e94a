#include "design/round_section.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

Section Round(SectionFamilyId family, double D_mm, double t_mm, double A_cm2, double i_cm) {
    const double none = std::nan("");
    return Section{family, D_mm, t_mm, none, SteelMass(A_cm2), A_cm2, i_cm, i_cm, i_cm, i_cm, none};
}

}  // namespace

double SteelMass(double A_cm2) { return std::round(785.0 * A_cm2) / 1000.0; }

Section TubeSection(double D_mm, double t_mm) {
    // mm2 to cm2, mm to cm.
    const double A_cm2 = kPi * (D_mm - t_mm) * t_mm / 100.0;
    const double inner_mm = D_mm - 2.0 * t_mm;
    const double i_cm = std::sqrt(D_mm * D_mm + inner_mm * inner_mm) / 40.0;
    return Round(SectionFamilyId::Tube, D_mm, t_mm, A_cm2, i_cm);
}

Section BarSection(double d_mm) {
    return Round(SectionFamilyId::RoundBar, d_mm, std::nan(""), kPi * d_mm * d_mm / 400.0, d_mm / 40.0);
}
