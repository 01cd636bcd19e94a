#include "io/csv_writer.h"

#include <algorithm>

namespace {

// One pass over the field; find_first_of would search the four characters
// once for each of its bytes.
bool NeedsQuotes(std::string_view field) {
    return std::any_of(field.begin(), field.end(),
                       [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; });
}

}  // namespace

void AppendCsvField(std::string& line, std::string_view field, bool first) {
    if (!first) {
        line.push_back(',');
    }
    if (!NeedsQuotes(field)) {
        line.append(field);
        return;
    }
    line.push_back('"');
    // Each quote doubled: the text up to and with it, then the quote again.
    for (std::size_t quote; (quote = field.find('"')) != std::string_view::npos;) {
        line.append(field.substr(0, quote + 1));
        line.push_back('"');
        field.remove_prefix(quote + 1);
    }
    line.append(field);
    line.push_back('"');
}
