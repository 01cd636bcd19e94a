// The outcome of one design case of one section: every criterion against
// its limit with the clause it applies, the governing one, the quantities
// the check worked out and the branches it took. Free of text: the
// outputs name ids and clauses from their own tables.
#ifndef BRACING_DESIGN_DESIGN_CHECK_H
#define BRACING_DESIGN_DESIGN_CHECK_H

#include "calc/stability.h"

enum class DesignCaseKind { Tension, Compression };

enum class CriterionId {
    TensionSlenderness,      // max(lambda_x, lambda_y) against lambda_t
    TensionStrength,         // sigma against f, or 0.85 f where one leg is connected
    CompressionSlenderness,  // max(lambda_x, lambda_y) against lambda_c
    Stability,               // sigma over the reductions against f
    LegWidth,                // w/t against its limit
    CompressionStrength,     // sigma at the end section against 0.85 f (2L, 2L+)
    TubeWall,                // D/t against 100 eps_k^2
};

// Where a criterion comes from (GB 50017-2017 unless named).
enum class Clause {
    Table7_4_7,           // tension members' allowable slenderness
    Table7_4_6,           // compression members' allowable slenderness
    Clause7_4_6Item2,     // 200 at no more than half the stability capacity
    Clause7_6_1,          // single angle connected by one leg
    Clause7_6_1AppendixD, // its stability with phi of Appendix D
    Clause7_6_2AppendixD, // the same, phi at the equivalent slenderness of 7.6.2
    Clause7_3_1,          // width-to-thickness of a leg
    Clause7_1_1,          // strength N/A <= f
    Table7_1_3,           // strength at an end connected by one leg, eta 0.85
    Clause7_2_1AppendixD, // stability N/(phi A) <= f, phi of Appendix D
    Clause7_2_2AppendixD, // the same, phi at a torsional slenderness of 7.2.2
    Clause7_3_1Item6,     // a tube's diameter-to-thickness
};

struct Criterion {
    CriterionId id;
    double value;
    double limit;
    double ratio;  // value / limit
    Clause clause;
};

// Appendix D: the parabola for lambda_n <= 0.215, the Perry formula beyond.
enum class PhiBranch { None, Parabola, Perry };

// GB 50017-2017 7.6.2: the converted slenderness lambda_e by lambda_u, up
// to 80, to 160, beyond.
enum class ConvertedSlenderness { None, Short, Middle, Long };

// GB 50017-2017 7.3.1-5: 15 eps_k up to lambda_x = 80 eps_k, beyond it
// 5 eps_k + 0.125 lambda_x.
enum class WidthThicknessLimit { None, Stocky, Slender };

// What the check worked out; NaN where the case does not use it.
struct DesignQuantities {
    double lambda_x;  // in the bracing plane (single angle, cross: the oblique plane)
    double lambda_y;  // out of plane
    double lambda;    // the larger
    double f;         // design strength, N/mm2
    double sigma;     // stress checked against f, N/mm2
    double eps_k;     // sqrt(235 / fy)
    double lambda_n;  // normalised slenderness
    double phi;       // stability coefficient
    double eta;       // one-leg connection reduction
    double w_t;       // leg width-to-thickness ratio
    double w_t_full;  // w/t up to which the whole leg works
    double rho;       // effective-area factor of slender legs
    // GB 50017-2017 7.6.2, already divided by eps_k as the text writes them.
    double lambda_u;    // node to node about the leg-parallel axis
    double lambda_e;    // converted
    double lambda_0;    // equivalent, out of plane
    double lambda_phi;  // what phi is taken at, in lambda's units (lambda_0 eps_k where it governs)
    // GB 50017-2017 7.2.2: torsional slenderness (3.9 b/t for the T, of
    // 7.2.2-3 for the cross) and the T's flexural-torsional one.
    double lambda_z;
    double lambda_yz;
    double D_t;        // a tube's diameter-to-thickness
    // GB 50017-2017 7.2.6, 2L and 2L+: the radius of one angle the filler
    // spacing is bound by (cm), the largest spacing (mm) and the fillers
    // each half of the diagonal needs, node to crossing.
    double i1_cm;
    double filler_spacing_mm;
    double fillers_per_half;
    // GB 50017-2017 7.2.2 item 1(2), 2L+: b/t against 15 eps_k; where it
    // is over, the polar moment about the shear centre and the torsion
    // constant, cm4.
    double b_t;
    double b_t_torsion;
    double I0_cm4;
    double It_cm4;
};

struct DesignBranches {
    PhiBranch phi = PhiBranch::None;
    const BucklingCurve* curve = nullptr;  // phi's (Table 7.2.1-1); null: no phi
    bool eta_capped = false;      // eta reached 1 (GB 50017-2017 7.6.1)
    bool lambda_floored = false;  // lambda_x under 20 taken as 20 for eta
    WidthThicknessLimit width_thickness = WidthThicknessLimit::None;
    bool rho_reduced = false;     // w/t over 14 eps_k: rho < 1 (7.6.3)
    ConvertedSlenderness converted = ConvertedSlenderness::None;
    bool lambda_0_floored = false;   // lambda_0 taken as (l1/l) lambda_u (7.6.2)
    bool lambda_0_governs = false;   // phi at lambda_0, above lambda (7.6.2)
    // GB 50017-2017 7.4.6 item 2 holds: N2 at most half of eta rho phi A f
    // with the table's limit below 200, so the limit is 200.
    bool half_capacity_relief = false;
    bool torsion_checked = false;  // 2L+: b/t over 15 eps_k, so lambda_z (7.2.2 item 1)
    bool torsion_governs = false;  // phi at lambda_yz or lambda_z, above lambda_x and lambda
    // 2L T: lambda_yz by lambda_y with lambda_y >= lambda_z, else by lambda_z (7.2.2 item 2(3)).
    bool yz_by_lambda_y = false;
    bool no_slenderness_limit = false;  // a tensioned round bar (Table 7.4.7)
};

constexpr int kMaxCriteria = 4;

struct DesignCheck {
    DesignCaseKind kind = DesignCaseKind::Tension;
    bool applies = true;  // false: the family takes no such case (a bar in compression)
    Criterion criteria[kMaxCriteria] = {};
    int count = 0;
    int governing = 0;   // index into criteria
    double ratio = 0.0;  // the governing ratio
    bool ok = false;     // ratio <= 1
    DesignQuantities q = {};
    DesignBranches branches;

    const Criterion* begin() const { return criteria; }
    const Criterion* end() const { return criteria + count; }
    const Criterion& Governing() const { return criteria[governing]; }
    // The criterion `id`; null when the case has none.
    const Criterion* Find(CriterionId id) const;
};

// A check of `kind` with every quantity NaN.
DesignCheck BeginCheck(DesignCaseKind kind);

// Appends value against limit under `clause`.
void AddCriterion(DesignCheck& check, CriterionId id, double value, double limit, Clause clause);

// Picks the governing criterion: the largest ratio, the first on a tie; NaN
// anywhere gives a NaN ratio, which is not OK.
void Conclude(DesignCheck& check);

#endif
