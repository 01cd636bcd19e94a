#include "cell_space.h"

#include <algorithm>
#include <iterator>

namespace {

const std::string_view kWideSpaces[] = {"\xC2\xA0", "\xE3\x80\x80"};  // U+00A0, U+3000

bool IsAsciiSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The size of the white space character at the start of `text` (at its
// end with `atEnd`), or 0.
std::size_t SpaceSize(std::string_view text, bool atEnd) {
    if (!text.empty() && IsAsciiSpace(atEnd ? text.back() : text.front())) {
        return 1;
    }
    const auto found = std::find_if(std::begin(kWideSpaces), std::end(kWideSpaces), [&](std::string_view space) {
        return text.size() >= space.size() &&
               text.substr(atEnd ? text.size() - space.size() : 0, space.size()) == space;
    });
    return found == std::end(kWideSpaces) ? 0 : found->size();
}

}  // namespace

std::string_view TrimCellSpace(std::string_view text) {
    for (std::size_t size; (size = SpaceSize(text, false)) != 0;) {
        text.remove_prefix(size);
    }
    for (std::size_t size; (size = SpaceSize(text, true)) != 0;) {
        text.remove_suffix(size);
    }
    return text;
}
