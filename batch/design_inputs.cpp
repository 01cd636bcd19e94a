#include "batch/design_inputs.h"

#include "io/cell_space.h"
#include "batch/cell_number.h"
#include "batch/crane_text.h"
#include "batch/family_text.h"
#include "batch/grade_text.h"
#include "batch/method_text.h"
#include "batch/section_text.h"

#include <string>

const char* const kDesignInputNames[kDesignInputCount] = {
    "section", "grade", "lambda_t", "lambda_c", "method", "cranes", "family", "gusset"};

namespace {

// An allowable slenderness: a number above 0, used as typed (without
// 7.4.6 item 2), or the default when empty.
void ReadLimit(const CsvRecord& row, std::size_t column, const char* name,
               AllowableSlenderness& limit, RowRefusal& refusal) {
    if (column == kNoColumn) {
        return;
    }
    const std::string& cell = row[column];
    const CellNumber number = ReadCellNumber(cell);
    if (number.status == CellStatus::Number && number.value > 0.0) {
        limit = AllowableSlenderness{number.value, false};
    } else if (number.status == CellStatus::Number) {
        refusal.Add(RefusalCode::LimitNotAboveZero, name, cell);
    } else if (number.status != CellStatus::Empty) {
        RefuseCell(refusal, name, cell, number.status);
    }
}

// The gusset's thickness, mm: 0 or more; the default when empty.
void ReadGusset(const CsvRecord& row, std::size_t column, double& gusset_mm, RowRefusal& refusal) {
    if (column == kNoColumn) return;
    const std::string& cell = row[column];
    const CellNumber number = ReadCellNumber(cell);
    if (number.status == CellStatus::Number && number.value >= 0.0) {
        gusset_mm = number.value;
    } else if (number.status == CellStatus::Number) {
        refusal.Add(RefusalCode::GussetNegative, kDesignInputNames[kGussetColumn], cell);
    } else if (number.status != CellStatus::Empty) {
        RefuseCell(refusal, kDesignInputNames[kGussetColumn], cell, number.status);
    }
}

// The section given, or none; the family it is sized in otherwise. A
// family word that contradicts the given section refuses the row.
void ReadSectionAndFamily(const CsvRecord& row, const DesignInputColumns& columns,
                          const DesignDefaults& defaults, DesignInputs& inputs, RowRefusal& refusal) {
    const std::string& section = row[columns[kSectionColumn]];
    RefusalCode why = RefusalCode::SectionNotDesignation;
    const bool read = ReadSection(section, inputs.given, inputs.section, why);
    if (!read) refusal.Add(why, kDesignInputNames[kSectionColumn], section);
    const std::size_t family = columns[kFamilyColumn];
    inputs.family = defaults.family;
    if (family == kNoColumn) {
        if (inputs.given) inputs.family = inputs.section.family;
        return;
    }
    const std::string& word = row[family];
    SectionFamilyId named = defaults.family;
    if (!ReadFamily(word, defaults.family, named)) {
        refusal.Add(RefusalCode::FamilyUnknown, kDesignInputNames[kFamilyColumn], word);
        return;
    }
    inputs.family = named;
    if (!inputs.given) return;
    if (!TrimCellSpace(word).empty() && named != inputs.section.family) {
        refusal.Add(RefusalCode::FamilyContradicts, kDesignInputNames[kFamilyColumn], word);
    }
    inputs.family = inputs.section.family;
}

}  // namespace

DesignInputs ReadDesignInputs(const CsvRecord& row, const DesignInputColumns& columns,
                              const DesignDefaults& defaults, double T_kN, RowRefusal& refusal) {
    DesignInputs inputs;
    DesignRequest& request = inputs.request;
    request.method = defaults.method;
    request.heavyCranes = defaults.heavyCranes;
    const std::size_t method = columns[kMethodColumn];
    if (method != kNoColumn && !ReadMethod(row[method], defaults.method, request.method)) {
        refusal.Add(RefusalCode::MethodUnknown, kDesignInputNames[kMethodColumn], row[method]);
    }
    const std::size_t cranes = columns[kCranesColumn];
    if (cranes != kNoColumn && !ReadCranes(row[cranes], defaults.heavyCranes, request.heavyCranes)) {
        refusal.Add(RefusalCode::CranesUnknown, kDesignInputNames[kCranesColumn], row[cranes]);
    }
    request.limits = DefaultSlendernessLimits(T_kN, request.heavyCranes, defaults.strictSlenderness);
    ReadSectionAndFamily(row, columns, defaults, inputs, refusal);
    request.gusset_mm = defaults.gusset_mm;
    ReadGusset(row, columns[kGussetColumn], request.gusset_mm, refusal);
    const std::size_t grade = columns[kGradeColumn];
    request.grade = defaults.grade;
    if (grade != kNoColumn && !ReadGrade(row[grade], defaults.grade, request.grade)) {
        refusal.Add(RefusalCode::GradeUnknown, kDesignInputNames[kGradeColumn], row[grade]);
    }
    ReadLimit(row, columns[kLambdaTColumn], kDesignInputNames[kLambdaTColumn],
              request.limits.tension, refusal);
    ReadLimit(row, columns[kLambdaCColumn], kDesignInputNames[kLambdaCColumn],
              request.limits.compression, refusal);
    return inputs;
}
