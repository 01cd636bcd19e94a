// The column stability curve: phi from the normalised slenderness, for the
// dialog's class-b check and the design check of every grade.
#ifndef BRACING_CALC_STABILITY_H
#define BRACING_CALC_STABILITY_H

// Coefficients of one curve (GB 50017-2017 Appendix D, Table D.0.5).
struct BucklingCurve {
    double alpha1;
    double alpha2;
    double alpha3;
};

extern const BucklingCurve kCurveA;  // 0.41, 0.986, 0.152
extern const BucklingCurve kCurveB;  // 0.65, 0.965, 0.300

// The normaliser of the slenderness: pi sqrt(E / 235), E = 206000 N/mm2.
constexpr double kNormalisingSlenderness = 93.014;

// Which formula of D.0.5 gives phi: the parabola up to k1 = 0.215, the
// Perry formula beyond (NaN included).
enum class StabilityFormula { Parabola, Perry };
StabilityFormula StabilityBranch(double k1);

// phi for the normalised slenderness k1 = lambda / 93.014 * sqrt(fy / 235)
// (GB 50017-2017 D.0.5). NaN in, NaN out.
double StabilityCoefficient(const BucklingCurve& curve, double k1);

#endif
