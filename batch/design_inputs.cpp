#include "batch/design_inputs.h"

#include "design/families/families.h"
#include "batch/cell_number.h"
#include "batch/grade_text.h"
#include "format/message_text.h"
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
        refusal.Add(std::string(name) + ": " + QuotedText(cell, kShownCellCharacters) +
                    " is not above 0");
    } else if (number.status != CellStatus::Empty) {
        refusal.Add(CellRefusalText(name, cell, number.status));
    }
}

}  // namespace

DesignInputs ReadDesignInputs(const CsvRecord& row, const DesignInputColumns& columns,
                              SteelGrade defaultGrade, double T_kN, RowRefusal& refusal) {
    DesignInputs inputs{nullptr, defaultGrade, DefaultSlendernessLimits(T_kN)};
    std::string error;
    if (!ReadSection(row[columns[kSectionColumn]], FamilyOf(SectionFamilyId::EqualAngle),
                     inputs.section, error)) {
        refusal.Add(error);
    }
    const std::size_t grade = columns[kGradeColumn];
    if (grade != kNoColumn && !ReadGrade(row[grade], defaultGrade, inputs.grade, error)) {
        refusal.Add(error);
    }
    ReadLimit(row, columns[kLambdaTColumn], kDesignInputNames[kLambdaTColumn], inputs.limits.tension, refusal);
    ReadLimit(row, columns[kLambdaCColumn], kDesignInputNames[kLambdaCColumn], inputs.limits.compression,
              refusal);
    return inputs;
}
