#include "batch/crane_text.h"

#include "batch/word_case.h"

namespace {

struct CraneDuty {
    // Both read by ReadWordCell, a template cppcheck does not follow.
    // cppcheck-suppress unusedStructMember
    const char* name;  // lower case
    // cppcheck-suppress unusedStructMember
    bool value;  // heavy duty
};

// GB/T 3811 work classes: A6 to A8 are heavy duty (重级工作制).
const CraneDuty kCraneDuties[] = {
    {"heavy", true},  {"重级", true},  {"a6", true},  {"a7", true},  {"a8", true},
    {"light", false}, {"medium", false}, {"轻级", false}, {"中级", false}, {"a1", false},
    {"a2", false},    {"a3", false},  {"a4", false}, {"a5", false},
};

}  // namespace

bool ReadCranes(std::string_view text, bool fallback, bool& heavy) {
    return ReadWordCell(text, kCraneDuties, fallback, heavy);
}
