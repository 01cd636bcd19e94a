#include "cell_spaces.h"

std::size_t SpaceLength(std::string_view text, std::size_t k) {
    const char c = text[k];
    if (c == ' ' || (c >= '\t' && c <= '\r')) return 1;
    if (text.compare(k, 2, "\xC2\xA0") == 0) return 2;
    if (text.compare(k, 3, "\xE3\x80\x80") == 0) return 3;
    return 0;
}

std::string_view TrimSpaces(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t space = SpaceLength(text, begin);
        if (space == 0) break;
        begin += space;
    }
    // A space is at most three bytes: look back for one ending at `end`.
    std::size_t end = text.size();
    while (end > begin) {
        std::size_t space = 0;
        for (std::size_t n = 1; n <= 3 && n <= end - begin && space == 0; ++n) {
            if (SpaceLength(text, end - n) == n) space = n;
        }
        if (space == 0) break;
        end -= space;
    }
    return text.substr(begin, end - begin);
}
