// The texts of the design check, for the CSV columns and the calc sheet
// alike: one path from a number to what the engineer reads.
#ifndef BRACING_BATCH_DESIGN_TEXTS_H
#define BRACING_BATCH_DESIGN_TEXTS_H

#include "design/bay_design.h"
#include "design/design_check.h"
#include "design/section.h"
#include "format/fixed_text.h"

#include <string>

constexpr int kSlendernessDecimals = 1;  // lambda
// Allowable slenderness: a typed limit as typed (227.5, 300).
constexpr int kLimitDecimals = kShortestDecimals;
constexpr int kStressDecimals = 2;       // N/mm2
constexpr int kFactorDecimals = 3;       // phi, eta, rho
constexpr int kRatioDecimals = 3;
constexpr int kMassDecimals = 3;        // kg/m

// OK or NG.
const char* VerdictText(bool ok);

enum class DesignCell { Section, Number, Verdict };

// One output column of a design case.
struct DesignColumn {
    const char* name;
    DesignCell kind;
    double (*value)(const DesignCheck& check);  // Number cells only
    int decimals;
    // Whether the check has this number (a bar in other bracing has no
    // slenderness limit); null: always.
    bool (*has)(const DesignCheck& check) = nullptr;
};

// Whether `column` has a number for `check`.
bool HasNumber(const DesignColumn& column, const DesignCheck& check);

constexpr int kTensionColumnCount = 6;
constexpr int kCompressionColumnCount = 10;
// section1, lambda1, limit1, stress1, ratio1, ok1
extern const DesignColumn kTensionColumns[kTensionColumnCount];
// section2, lambda2, limit2, lambda_phi2, phi2, eta2, rho2, stress2, ratio2, ok2
extern const DesignColumn kCompressionColumns[kCompressionColumnCount];

// The cell of `column` for a case checked with `section`, added to `out`.
// A null section (no section passes) leaves every cell empty but the
// verdict, NG; a case the family does not take, NA. No cell holds a comma
// or a quote.
void AppendDesignCellText(std::string& out, const DesignColumn& column, const Section* section,
                          const DesignCheck& check);
std::string DesignCellText(const DesignColumn& column, const Section* section,
                           const DesignCheck& check);

// One output column of the adopted design, after the two cases'.
struct AdoptedColumn {
    const char* name;
    void (*append)(std::string& out, const BayDesign& design);
};

constexpr int kAdoptedColumnCount = 4;
// adopted (tension, compression or empty), adopted_section, mass (kg/m),
// ok (OK when a design was adopted, else NG)
extern const AdoptedColumn kAdoptedColumns[kAdoptedColumnCount];

// "tension" or "compression"; empty when nothing is adopted.
const char* AdoptedCaseName(AdoptedCase adopted);

#endif
