#include "bracing.h"

#include <cmath>

#include "stability.h"

namespace {

// Written as "0 >= x" on purpose: false for NaN, so NaN is neither
// rejected nor replaced.
bool NotPositive(double x) { return 0.0 >= x; }

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
    // Metres over 4.0 is centimetres over 400: the limit over 100 is exact
    // for both limits, so the radii keep their bits.
    r.Rx1 = r.Lx1 / (kDialogTensionLimit / 100.0);
    r.Ry1 = r.Ly1 / (kDialogTensionLimit / 100.0);
    r.Rx2 = r.Lx2 / (kDialogCompressionLimit / 100.0);
    r.Ry2 = r.Ly2 / (kDialogCompressionLimit / 100.0);
    r.k = (100.0 * r.Ly2) / in.i;
    r.k1 = r.k / kNormalisingSlenderness;
    r.u = StabilityCoefficient(kCurveB, r.k1);
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
