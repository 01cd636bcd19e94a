// Reads a supplier's catalogue (--catalogue): a CSV whose `section`
// column names the sizes in stock, one a row, in any spelling a section
// cell takes. Blank cells are passed over.
#ifndef BRACING_BATCH_CATALOGUE_READER_H
#define BRACING_BATCH_CATALOGUE_READER_H

#include "batch/row_refusal.h"
#include "batch/section_catalogue.h"
#include "io/csv_reader.h"

#include <string>

enum class CatalogueFault {
    None,
    NoSectionColumn,  // the header names no section column
    Empty,            // no sizes
    NotASection,      // a cell names no size: `line`, `why`, `cell`
    Unreadable,       // the CSV could not be read: `line`
};

struct CatalogueOutcome {
    CatalogueFault fault = CatalogueFault::None;
    long line = 0;
    RefusalCode why = RefusalCode::SectionNotDesignation;
    std::string cell;
};

// Adds every size `reader` lists to `catalogue`; stops at the first fault.
CatalogueOutcome ReadCatalogue(CsvReader& reader, SectionCatalogue& catalogue);

#endif
