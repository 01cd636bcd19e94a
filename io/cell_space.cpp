#include "io/cell_space.h"

#include <algorithm>
#include <iterator>

namespace {

const std::string_view kWideSpaces[] = {"\xC2\xA0", "\xE3\x80\x80"};  // U+00A0, U+3000

bool IsAsciiSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Byte length of the white space character that ends just before `end`.
std::size_t SpaceEndingAt(std::string_view text, std::size_t end) {
    if (end > 0 && IsAsciiSpace(text[end - 1])) {
        return 1;
    }
    if (end == 0 || (text[end - 1] & 0x80) == 0) {
        return 0;
    }
    const std::string_view* last = std::end(kWideSpaces);
    const std::string_view* found = std::find_if(std::begin(kWideSpaces), last, [&](std::string_view space) {
        return end >= space.size() && text.substr(end - space.size(), space.size()) == space;
    });
    return found == last ? 0 : found->size();
}

}  // namespace

std::size_t CellSpaceLength(std::string_view text, std::size_t k) {
    if (k >= text.size()) {
        return 0;
    }
    if (IsAsciiSpace(text[k])) {
        return 1;
    }
    if ((text[k] & 0x80) == 0) {
        return 0;  // the common case: ASCII that is no space
    }
    for (std::string_view space : kWideSpaces) {
        if (text.compare(k, space.size(), space) == 0) {
            return space.size();
        }
    }
    return 0;
}

std::string_view TrimCellSpace(std::string_view text) {
    for (std::size_t size; !text.empty() && (size = CellSpaceLength(text, 0)) != 0;) {
        text.remove_prefix(size);
    }
    for (std::size_t size; (size = SpaceEndingAt(text, text.size())) != 0;) {
        text.remove_suffix(size);
    }
    return text;
}
