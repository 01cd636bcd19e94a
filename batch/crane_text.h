// Crane duty words: heavy-duty (重级, A6 to A8) or not (light, medium,
// 轻级, 中级, A1 to A5), for the slenderness limits of Table 7.4.7.
#ifndef BRACING_BATCH_CRANE_TEXT_H
#define BRACING_BATCH_CRANE_TEXT_H

#include <string>
#include <string_view>

// Reads a cranes cell in any letter case, white space around it. A blank
// cell gives `fallback`. Returns false for anything else.
bool ReadCranes(std::string_view text, bool fallback, bool& heavy);

#endif
