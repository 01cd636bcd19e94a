#include "batch/section_table_text.h"

#include "batch/family_text.h"
#include "batch/section_text.h"
#include "design/families/families.h"
#include "design/section_family.h"
#include "format/fixed_text.h"
#include "io/csv_writer.h"

void AppendSectionHeader(std::string& line) {
    line.append("family,designation,A,ix,ix0,iy0,iy,mass");
}

void AppendSectionRow(const Section& section, double gusset_mm, std::string& line) {
    line.append(FamilyName(section.family));
    line.push_back(',');
    AppendDesignation(section, line);
    const MemberRadii r = FamilyOf(section.family).radii(section, gusset_mm);
    const double threeDecimals[] = {section.A_cm2, r.ix_cm, r.ix0_cm, r.iy0_cm, r.iy_cm};
    for (double value : threeDecimals) {
        line.push_back(',');
        if (value == value) line.append(ToFixed(value, 3).View());
    }
    // As the standard prints it: 0.889, 6.6, 104.
    AppendCsvField(line, ShortestFixed(section.mass_kg_m, 3).View(), false);
}

bool WriteSectionTable(TextOutput& out, double gusset_mm) {
    AppendSectionHeader(out.Line());
    out.EndLine();
    for (SectionFamilyId id : kSectionFamilies) {
        const SectionFamily& family = FamilyOf(id);
        for (int k = 0; k < family.count; ++k) {
            AppendSectionRow(family.at(k), gusset_mm, out.Line());
            out.EndLine();
        }
    }
    return out.Flush();
}
