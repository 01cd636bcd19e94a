#include "cli/catalogue_file.h"

#include "batch/catalogue_reader.h"
#include "io/byte_source.h"
#include "io/byte_streams.h"
#include "io/csv_reader.h"
#include "io/input_decoder.h"
#include "messages/messages.h"
#include "messages/refusal_text.h"

#include <cerrno>
#include <cstring>

bool LoadCatalogue(const std::string& path, SectionCatalogue& catalogue, std::FILE* err) {
    std::FILE* file = OpenForReading(path);
    if (file == nullptr) {
        std::fprintf(err, "%s: cannot open: %s\n", path.c_str(), std::strerror(errno));
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
    std::string text;
    const Language language = Language::English;
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
    std::fprintf(err, "%s\n", text.c_str());
    return false;
}
