// White space in a cell: ASCII white space, the no-break space U+00A0 and
// the full-width space U+3000 of Chinese input methods (UTF-8).
#ifndef BRACING_CLI_CELL_SPACES_H
#define BRACING_CLI_CELL_SPACES_H

#include <cstddef>
#include <string_view>

// Byte length of the white space starting at `text[k]`, 0 when none.
std::size_t SpaceLength(std::string_view text, std::size_t k);

// `text` without the white space at either end.
std::string_view TrimSpaces(std::string_view text);

#endif
