#include "batch/catalogue_reader.h"

#include "batch/section_text.h"
#include "batch/word_case.h"
#include "io/cell_space.h"

CatalogueOutcome ReadCatalogue(CsvReader& reader, SectionCatalogue& catalogue) {
    CatalogueOutcome outcome;
    CsvRecord record;
    CsvStatus status = reader.Next(record);
    std::size_t column = record.size();
    for (std::size_t k = 0; status == CsvStatus::Record && k < record.size(); ++k) {
        if (SameWordIgnoringCase(TrimCellSpace(record[k]), "section")) column = k;
    }
    if (status == CsvStatus::Record && column == record.size()) {
        outcome.fault = CatalogueFault::NoSectionColumn;
        return outcome;
    }
    while (status == CsvStatus::Record && (status = reader.Next(record)) == CsvStatus::Record) {
        if (column >= record.size()) continue;
        bool given = false;
        Section section{};
        if (!ReadSection(record[column], given, section, outcome.why)) {
            outcome.fault = CatalogueFault::NotASection;
            outcome.line = reader.RecordLine();
            outcome.cell = record[column];
            return outcome;
        }
        if (given) catalogue.Add(section);
    }
    if (status != CsvStatus::End) {
        outcome.fault = CatalogueFault::Unreadable;
        outcome.line = reader.RecordLine();
    } else if (catalogue.Count() == 0) {
        outcome.fault = CatalogueFault::Empty;
    }
    return outcome;
}
