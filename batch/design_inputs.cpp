#include "batch/design_inputs.h"

#include "design/families/families.h"
#include "batch/cell_number.h"
#include "batch/grade_text.h"
#include "batch/section_text.h"

#include <string>

const char* const kDesignInputNames[kDesignInputCount] = {"section", "grade", "lambda_t", "lambda_c"};

namespace {

// An allowable slenderness: a number above 0, or the default when empty.
void ReadLimit(const CsvRecord& row, std::size_t column, const char* name, double& limit,
               RowRefusal& refusal) {
    if (column == kNoColumn) {
        return;
    }
    const std::string& cell = row[column];
    const CellNumber number = ReadCellNumber(cell);
    if (number.status == CellStatus::Number && number.value > 0.0) {
        limit = number.value;
    } else if (number.status == CellStatus::Number) {
        refusal.Add(RefusalCode::LimitNotAboveZero, name, cell);
    } else if (number.status != CellStatus::Empty) {
        RefuseCell(refusal, name, cell, number.status);
    }
}

}  // namespace

DesignInputs ReadDesignInputs(const CsvRecord& row, const DesignInputColumns& columns,
                              SteelGrade defaultGrade, double T_kN, RowRefusal& refusal) {
    DesignInputs inputs{nullptr, defaultGrade, DefaultSlendernessLimits(T_kN)};
    const std::string& section = row[columns[kSectionColumn]];
    RefusalCode why = RefusalCode::SectionNotDesignation;
    if (!ReadSection(section, FamilyOf(SectionFamilyId::EqualAngle), inputs.section, why)) {
        refusal.Add(why, kDesignInputNames[kSectionColumn], section);
    }
    const std::size_t grade = columns[kGradeColumn];
    if (grade != kNoColumn && !ReadGrade(row[grade], defaultGrade, inputs.grade)) {
        refusal.Add(RefusalCode::GradeUnknown, kDesignInputNames[kGradeColumn], row[grade]);
    }
    ReadLimit(row, columns[kLambdaTColumn], kDesignInputNames[kLambdaTColumn], inputs.limits.tension, refusal);
    ReadLimit(row, columns[kLambdaCColumn], kDesignInputNames[kLambdaCColumn], inputs.limits.compression,
              refusal);
    return inputs;
}
