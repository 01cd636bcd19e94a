// Words of a cell compared without regard to ASCII letter case.
#ifndef BRACING_BATCH_WORD_CASE_H
#define BRACING_BATCH_WORD_CASE_H

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

#endif
