// Rules every family's check applies alike: slenderness and stress in the
// program's units, phi from a curve, the allowable slenderness of 7.4.6
// item 2 and an angle leg's width-to-thickness limit.
#ifndef BRACING_DESIGN_MEMBER_RULES_H
#define BRACING_DESIGN_MEMBER_RULES_H

#include "calc/stability.h"
#include "design/design_check.h"
#include "design/slenderness_limits.h"
#include "design/steel_grades.h"

// A length in m over a radius in cm.
inline double Slenderness(double length_m, double radius_cm) { return (100.0 * length_m) / radius_cm; }

// A force in kN over an area in cm2, N/mm2; the sign is only a direction.
double StressOf(double N_kN, double A_cm2);

// GB 50017-2017 2.2 (symbols): eps_k = sqrt(235 / fy).
double EpsK(SteelGrade grade);

// GB 50017-2017 7.2.1 and Appendix D: phi of `curve` at `lambda_phi`
// (lambda's units), normalised by 93.014 eps_k. Sets lambda_phi,
// lambda_n, phi and the branch.
void StabilityAt(const BucklingCurve& curve, double lambda_phi, DesignCheck& c);

// The larger of two slendernesses; NaN when either is.
double Larger(double a, double b);

// GB 50017-2017 7.4.6 item 2: a table's limit below 200 rises to 200 where
// N2 is at most half of the stability capacity (stabilityRatio = sigma/f).
double CompressionLimit(const AllowableSlenderness& limit, double stabilityRatio, DesignBranches& b);

// The most 7.4.6 item 2 may allow: for a quick reject.
double LargestCompressionLimit(const AllowableSlenderness& limit);

// GB 50017-2017 7.3.1 item 5, an equal angle leg: 15 eps_k up to
// lambda = 80 eps_k, beyond 5 eps_k + 0.125 lambda (the 7.3.2 relaxation
// is not taken). Sets w_t = (b - 2t)/t (the note's flat width) and the branch.
double LegWidthLimit(double b_mm, double t_mm, double lambda, DesignCheck& c);

#endif
