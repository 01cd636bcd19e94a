#include "batch/section_table_text.h"

#include "design/families/families.h"
#include "io/csv_writer.h"
#include "batch/section_text.h"
#include "design/section_family.h"
#include "format/fixed_text.h"

void AppendSectionHeader(std::string& line) {
    line.append("designation,A,ix,ix0,iy0,mass");
}

void AppendSectionRow(const Section& section, std::string& line) {
    AppendDesignation(section, line);
    const double threeDecimals[] = {section.A_cm2, section.ix_cm, section.ix0_cm, section.iy0_cm};
    for (double value : threeDecimals) {
        AppendCsvField(line, ToFixed(value, 3).View(), false);
    }
    // As the standard prints it: 0.889, 6.6, 104.
    AppendCsvField(line, ShortestFixed(section.mass_kg_m, 3).View(), false);
}

bool WriteSectionTable(TextOutput& out) {
    AppendSectionHeader(out.Line());
    out.EndLine();
    const SectionFamily& family = FamilyOf(SectionFamilyId::EqualAngle);
    for (int k = 0; k < family.count; ++k) {
        AppendSectionRow(family.at(k), out.Line());
        out.EndLine();
    }
    return out.Flush();
}
