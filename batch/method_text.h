// Design method words: tension (拉杆), compression (压杆), auto (自动).
#ifndef BRACING_BATCH_METHOD_TEXT_H
#define BRACING_BATCH_METHOD_TEXT_H

#include <string>
#include <string_view>

#include "design/bay_design.h"

// Reads a method cell, the English words in any letter case, white space
// around it. A blank cell gives `fallback`. Returns false for anything
// else.
bool ReadMethod(std::string_view text, DesignMethod fallback, DesignMethod& method);

// "tension", "compression" or "auto".
const char* MethodName(DesignMethod method);

#endif
