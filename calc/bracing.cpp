#include "bracing.h"

#include <cmath>

namespace {

// Written as "0 >= x" on purpose: false for NaN, so NaN is neither
// rejected nor replaced.
bool NotPositive(double x) { return 0.0 >= x; }

// Class-b buckling curve (alpha1 0.65, alpha2 0.965, alpha3 0.300).
double StabilityCoefficientB(double k1) {
    // The design code's small-slenderness branch: the Perry formula below
    // would give phi above 1 for stocky members, and cancels to 0 as k1
    // goes to 0.
    if (k1 <= 0.215) {
        return 1.0 - (0.65 * k1) * k1;
    }
    const double q = (0.3 * k1 + 0.965) + k1 * k1;
    const double d = std::sqrt(q * q - (4.0 * k1) * k1);
    return (0.5 * (q - d)) / (k1 * k1);
}

}  // namespace

bool ComputeBracing(const BracingInputs& in, BracingResults& out) {
    if (NotPositive(in.H) || NotPositive(in.B) || NotPositive(in.n)) {
        return false;
    }

    // Each line keeps its grouping: results halfway between two shown
    // decimals are common, so a rearranged formula shows another digit.
    BracingResults r;
    r.L = std::sqrt(in.B * in.B + in.H * in.H);
    r.Lx2 = 0.5 * r.L;
    r.Lx1 = r.Lx2;
    r.Ly1 = r.L;
    r.Ly2 = 0.7 * r.L;
    r.P = (in.W + in.T) / in.n;
    r.N1 = (r.L * r.P) / in.B;
    r.N2 = r.N1 / 2.0;
    r.Nt1 = (in.H * r.N1) / r.L;
    r.Nt2 = (in.H * r.N2) / r.L;
    // Slenderness limits: 400 for tension members, 150 for compression
    // members (metres over 4.0 is centimetres over 400).
    r.Rx1 = r.Lx1 / 4.0;
    r.Ry1 = r.Ly1 / 4.0;
    r.Rx2 = r.Lx2 / 1.5;
    r.Ry2 = r.Ly2 / 1.5;
    r.k = (100.0 * r.Ly2) / in.i;
    r.k1 = r.k / 93.014;
    r.u = StabilityCoefficientB(r.k1);
    r.f1 = (1000.0 * r.N1) / (100.0 * in.A);
    r.f2 = (1000.0 * r.N2) / ((100.0 * r.u) * in.A);
    // No usable section: show zero stresses rather than infinities.
    if (NotPositive(in.A)) {
        r.f2 = 0.0;
        r.f1 = 0.0;
    }
    if (NotPositive(in.i)) {
        r.f2 = 0.0;
        r.u = 0.0;
    }
    out = r;
    return true;
}
