// The white space a cell or a header name may carry around its text: ASCII
// white space, the no-break space U+00A0 and the full-width space U+3000
// that a Chinese input method types.
#ifndef BRACING_CLI_CELL_SPACE_H
#define BRACING_CLI_CELL_SPACE_H

#include <string_view>

// `text` without the white space at either end.
std::string_view TrimCellSpace(std::string_view text);

#endif
