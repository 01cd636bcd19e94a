// Words of a cell compared without regard to ASCII letter case.
#ifndef BRACING_BATCH_WORD_CASE_H
#define BRACING_BATCH_WORD_CASE_H

#include "io/cell_space.h"

#include <string_view>

// Whether `text` is `lower` (lower case) with any ASCII letters in either case.
inline bool SameWordIgnoringCase(std::string_view text, std::string_view lower) {
    if (text.size() != lower.size()) return false;
    for (std::size_t k = 0; k < text.size(); ++k) {
        const char c = text[k];
        const char folded = c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
        if (folded != lower[k]) return false;
    }
    return true;
}

// Reads a cell that holds one of the words of `table` (entries with a
// lower-case `name` and a `value`), white space around it: a blank cell
// gives `fallback`. False for any other word.
template <class Value, class Entry, std::size_t N>
bool ReadWordCell(std::string_view text, const Entry (&table)[N], Value fallback, Value& value) {
    const std::string_view word = TrimCellSpace(text);
    if (word.empty()) {
        value = fallback;
        return true;
    }
    for (const Entry& entry : table) {
        if (SameWordIgnoringCase(word, entry.name)) {
            value = entry.value;
            return true;
        }
    }
    return false;
}

#endif
