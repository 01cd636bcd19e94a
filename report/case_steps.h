// What the steps of one design case are written from, and the step lines
// the section families write alike: the design strength, a slenderness, a
// stress, eps_k, lambda_n and phi of Appendix D, an angle leg's
// width-to-thickness, 7.4.6 item 2 and the fillers of 7.2.6.
#ifndef BRACING_REPORT_CASE_STEPS_H
#define BRACING_REPORT_CASE_STEPS_H

#include "calc/bracing.h"
#include "design/bay_design.h"
#include "report/report_model.h"

#include <string>
#include <vector>

constexpr int kPropertyDecimals = 3;    // A, radii (cm): as the section list prints them
constexpr int kWidthRatioDecimals = 2;  // w/t, D/t and their limits

// One design case of one section: the bay's forces and lengths, the
// section, the bay's design and the section's check in this case.
struct CaseInputs {
    const BracingResults& r;
    const Section& s;
    const BayDesign& design;
    const DesignCheck& check;
};

// A dimension as the sheet names it: "t = 6 mm", "d = 5.5 mm".
std::string DimensionText(const char* symbol, double mm);

// "f（Q235，`by`）" from `table`.
Step StrengthStep(const CaseInputs& in, const std::string& by, const char* table);
// "λx = 100·Lx1/iy0 = 100 × 5.000 / 2.196 = 227.7", a length in m over a radius in cm.
Step SlendernessStep(const char* formula, double length_m, double radius_cm, double lambda, const char* clause);
// "σ1 = 1000·N1/(100·A) = 1000 × 31.250 / (100 × 15.196) = 20.56 N/mm²": N in kN over `area` in cm².
Step StressStep(const char* formula, double N_kN, const std::string& area, double sigma, const char* clause);
Step EpsKStep(const CaseInputs& in);
// "λn = `symbol`/(93.014·εk)", at `lambda`.
Step LambdaNStep(const char* symbol, double lambda, const DesignQuantities& q);
// Appendix D: the parabola or the Perry formula as the check took it, with its curve.
Step PhiStep(const DesignCheck& check);
// GB 50017-2017 7.3.1 item 5: w/t of a leg, and its limit by the check's branch.
Step LegWidthStep(const Section& s, const DesignQuantities& q);
Step LegWidthLimitStep(const DesignCheck& check);
// GB 50017-2017 7.4.6 item 2, where the limit comes from Table 7.4.6 and
// is below 200: whether N2 is at most half the stability capacity, which
// `formula` names.
void AddHalfCapacityStep(const char* formula, const CaseInputs& in, std::vector<Step>& steps);
// GB 50017-2017 7.2.6: the radius `radius` names, the largest spacing and
// the fillers node to crossing.
void AddFillerSteps(const char* radius, const CaseInputs& in, std::vector<Step>& steps);

#endif
