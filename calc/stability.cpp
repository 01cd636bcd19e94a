#include "stability.h"

#include <cmath>

const BucklingCurve kCurveA = {0.41, 0.986, 0.152};
const BucklingCurve kCurveB = {0.65, 0.965, 0.300};

StabilityFormula StabilityBranch(double k1) {
    return k1 <= 0.215 ? StabilityFormula::Parabola : StabilityFormula::Perry;
}

double StabilityCoefficient(const BucklingCurve& curve, double k1) {
    // The code's small-slenderness branch: the Perry formula below would
    // give phi above 1 for stocky members, and cancels to 0 as k1 goes to 0.
    // Each line keeps its grouping: the dialog's shown phi sits on halfway
    // cases, so a rearranged formula shows another digit.
    if (StabilityBranch(k1) == StabilityFormula::Parabola) {
        return 1.0 - (curve.alpha1 * k1) * k1;
    }
    const double q = (curve.alpha3 * k1 + curve.alpha2) + k1 * k1;
    const double d = std::sqrt(q * q - (4.0 * k1) * k1);
    return (0.5 * (q - d)) / (k1 * k1);
}
