// The white space a cell or a header name may carry: ASCII white space,
// the no-break space U+00A0 and the full-width space U+3000 that a Chinese
// input method types (UTF-8).
#ifndef BRACING_IO_CELL_SPACE_H
#define BRACING_IO_CELL_SPACE_H

#include <cstddef>
#include <string_view>

// Byte length of the white space character at `text[k]`, 0 when none.
std::size_t CellSpaceLength(std::string_view text, std::size_t k);

// `text` without the white space at either end.
std::string_view TrimCellSpace(std::string_view text);

#endif
