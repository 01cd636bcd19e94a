// Design check of one X-brace diagonal made of a single equal angle
// connected by one leg, for the tension and the compression design of a
// bay, and the search for the lightest angle that passes.
#ifndef BRACING_DESIGN_ANGLE_CHECK_H
#define BRACING_DESIGN_ANGLE_CHECK_H

#include "calc/bracing.h"
#include "design/angle_sections.h"
#include "design/steel_grades.h"

// Allowable slenderness of the tension and compression design.
struct SlendernessLimits {
    double tension;
    double compression;
};

// GB 50017-2017 Tables 7.4.7 and 7.4.6: with crane braking force (T not 0,
// kN; a negative T is a force the other way, still a crane) the bay is
// column bracing below crane beams: 300 and 150; otherwise 400 and 200.
SlendernessLimits DefaultSlendernessLimits(double T_kN);

// Smallest angle sizing may choose (L45x4: the usual bolted brace).
struct MinimumSize {
    double leg_mm = 45.0;
    double thickness_mm = 4.0;
};

enum class Criterion { Slenderness, Strength, Stability, LegWidth };

// One criterion of a check: value against limit, ratio = value / limit.
struct CriterionCheck {
    double value;
    double limit;
    double ratio;
};

struct TensionCheck {
    double lambda_x;   // 100 Lx1 / iy0
    double lambda_y;   // 100 Ly1 / ix
    double f;          // design strength, N/mm2
    double sigma;      // N1 / A, N/mm2
    CriterionCheck slenderness;  // max(lambda_x, lambda_y) against lambda_t
    CriterionCheck strength;     // sigma against 0.85 f
    Criterion governing;         // Slenderness or Strength
    double ratio;                // the larger ratio
    bool ok;                     // ratio <= 1
};

struct CompressionCheck {
    double lambda_x;   // 100 Lx2 / iy0
    double lambda_y;   // 100 Ly2 / ix
    double eps_k;      // sqrt(235 / fy)
    double k1;         // normalised slenderness
    double phi;        // stability coefficient at lambda = max(lambda_x, lambda_y)
    double eta;        // one-leg connection reduction
    double w_t;        // leg width-to-thickness ratio (b - 2t) / t
    double rho;        // effective-area factor of slender legs
    double f;          // design strength, N/mm2
    double sigma;      // N2 / (eta rho phi A), N/mm2
    CriterionCheck slenderness;  // max(lambda_x, lambda_y) against lambda_c
    CriterionCheck stability;    // sigma against f
    CriterionCheck leg_width;    // w_t against its limit
    Criterion governing;         // Slenderness, Stability or LegWidth
    double ratio;                // the largest ratio
    bool ok;                     // ratio <= 1
};

// Tension design: N1, Lx1 and Ly1 of `bay`.
TensionCheck CheckTension(const BracingResults& bay, const AngleSection& section,
                          SteelGrade grade, double lambda_t);

// Compression design: N2, Lx2 and Ly2 of `bay`.
CompressionCheck CheckCompression(const BracingResults& bay, const AngleSection& section,
                                  SteelGrade grade, double lambda_c);

// Result of a sizing walk. `chosen` is the first angle that passes, null
// when none does; `before` is the angle walked just before it (null when
// the chosen one is the first of the walk), or, when none passes, the last
// angle walked.
struct SizingChoice {
    const AngleSection* chosen;
    const AngleSection* before;
};

// Walk `table` in its sizing order, skipping angles under `minimum`.
SizingChoice SizeTension(const SectionTable& table, const BracingResults& bay,
                         SteelGrade grade, double lambda_t, const MinimumSize& minimum);
SizingChoice SizeCompression(const SectionTable& table, const BracingResults& bay,
                             SteelGrade grade, double lambda_c, const MinimumSize& minimum);

#endif
