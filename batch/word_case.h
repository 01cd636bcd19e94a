// Words of a cell compared without regard to ASCII letter case.
#ifndef BRACING_BATCH_WORD_CASE_H
#define BRACING_BATCH_WORD_CASE_H

#include "io/cell_space.h"

#include <string_view>

// Whether `text` is `word` with any ASCII letters of either in either case.
inline bool SameWordIgnoringCase(std::string_view text, std::string_view word) {
    if (text.size() != word.size()) return false;
    const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; };
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (fold(text[k]) != fold(word[k])) return false;
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
