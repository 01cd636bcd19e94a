#include "section_table_text.h"

#include "bay_table.h"
#include "csv_writer.h"
#include "section_text.h"
#include "ui/number_text.h"

namespace {

// The fewest decimals that read back as the same number: the mass as the
// standard prints it (0.889, 6.6, 104).
const char* ShortestText(double value, ResultText& text) {
    for (int decimals = 0; decimals <= kMaxResultDecimals; ++decimals) {
        text = FormatResult(value, decimals);
        if (TextToNumber(text.chars) == value) break;
    }
    return TrimmedText(text);
}

}  // namespace

void AppendSectionHeader(std::string& line) {
    line.append("designation,A,ix,ix0,iy0,mass");
}

void AppendSectionRow(const AngleSection& section, std::string& line) {
    AppendDesignation(section, line);
    const double threeDecimals[] = {section.A_cm2, section.ix_cm, section.ix0_cm, section.iy0_cm};
    for (double value : threeDecimals) {
        AppendCsvField(line, TrimmedText(FormatResult(value, 3)), false);
    }
    ResultText mass;
    AppendCsvField(line, ShortestText(section.mass_kg_m, mass), false);
}
