#include "cli/catalogue_file.h"

#include "batch/row_refusal.h"
#include "batch/section_text.h"
#include "batch/word_case.h"
#include "io/cell_space.h"
#include "io/byte_source.h"
#include "io/byte_streams.h"
#include "io/csv_reader.h"
#include "io/input_decoder.h"
#include "messages/messages.h"
#include "messages/refusal_text.h"

#include <cerrno>
#include <cstring>

namespace {

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

// Adds every size `reader` lists to `catalogue`: the sizes are the
// `section` column's, in any spelling a section cell takes, blank cells
// passed over; stops at the first fault.
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

}  // namespace

bool LoadCatalogue(const std::string& path, SectionCatalogue& catalogue, Language language, std::FILE* err) {
    std::string text;
    std::FILE* file = OpenForReading(path);
    if (file == nullptr) {
        text = MessageText(language, MessageId::CannotOpen, {path, std::strerror(errno)}) + "\n";
        WriteText(err, text.data(), text.size());
        return false;
    }
    CatalogueOutcome outcome;
    int readError = 0;
    {
        FileSource source(file);
        InputDecoder decoder(source, EncodingChoice::Detect);
        CsvReader reader(decoder);
        outcome = ReadCatalogue(reader, catalogue);
        readError = reader.ReadErrorNumber();
    }
    std::fclose(file);
    switch (outcome.fault) {
        case CatalogueFault::None:
            return true;
        case CatalogueFault::NoSectionColumn:
            AppendMessage(text, language, MessageId::CatalogueNoSection, {path});
            break;
        case CatalogueFault::Empty:
            AppendMessage(text, language, MessageId::CatalogueEmpty, {path});
            break;
        case CatalogueFault::NotASection: {
            RowRefusal why;
            why.Add(outcome.why, "section", outcome.cell);
            AppendMessage(text, language, MessageId::CatalogueLine,
                          {path, std::to_string(outcome.line), RefusalText(why, language)});
            break;
        }
        case CatalogueFault::Unreadable:
            AppendMessage(text, language, MessageId::CatalogueLine,
                          {path, std::to_string(outcome.line),
                           readError != 0 ? std::strerror(readError) : "a quote is never closed"});
            break;
    }
    text.push_back('\n');
    WriteText(err, text.data(), text.size());
    return false;
}
