// The design check's own cells of a row: the section, and the optional
// grade, lambda_t, lambda_c, method and cranes, each empty cell taking its
// default.
#ifndef BRACING_BATCH_DESIGN_INPUTS_H
#define BRACING_BATCH_DESIGN_INPUTS_H

#include "io/csv_reader.h"
#include "batch/row_refusal.h"

#include "design/bay_design.h"
#include "design/section.h"
#include "design/section_family.h"
#include "design/slenderness_limits.h"
#include "design/steel_grades.h"

#include <cstddef>

class SectionCatalogue;

// What the command line sets for every row.
struct DesignDefaults {
    SectionFamilyId family = SectionFamilyId::EqualAngle;  // --family: sizing's
    double gusset_mm = 8.0;                                 // --gusset
    // --catalogue: the sizes sizing may choose; null: the built-in lists.
    const SectionCatalogue* catalogue = nullptr;
    SteelGrade grade = SteelGrade::Q235;  // --grade
    MinimumSize minimum;                  // --min-leg, --min-thickness, mm
    DesignMethod method = DesignMethod::Auto;  // --method
    bool heavyCranes = false;                  // --heavy-cranes
    bool strictSlenderness = false;            // --strict-slenderness: no 7.4.6 item 2
};

enum DesignInputColumn {
    kSectionColumn, kGradeColumn, kLambdaTColumn, kLambdaCColumn, kMethodColumn, kCranesColumn,
    kFamilyColumn, kGussetColumn
};
constexpr int kDesignInputCount = 8;
// section, grade, lambda_t, lambda_c, method, cranes, family, gusset
extern const char* const kDesignInputNames[kDesignInputCount];

// The column of each design input; kNoColumn where the header has none.
constexpr std::size_t kNoColumn = static_cast<std::size_t>(-1);
using DesignInputColumns = std::size_t[kDesignInputCount];

struct DesignInputs {
    bool given = false;  // false: sized in `family`
    Section section{};
    SectionFamilyId family = SectionFamilyId::EqualAngle;  // the given section's, or sizing's
    DesignRequest request;
};

// Reads the design inputs of `row`; `T_kN`, the row's crane braking force,
// and the crane duty pick the default limits. A cell that cannot be used
// adds its reason to `refusal`.
DesignInputs ReadDesignInputs(const CsvRecord& row, const DesignInputColumns& columns,
                              const DesignDefaults& defaults, double T_kN, RowRefusal& refusal);

#endif
