#include "batch/method_text.h"

#include "batch/word_case.h"

namespace {

struct NamedMethod {
    // Both read by ReadWordCell, a template cppcheck does not follow.
    // cppcheck-suppress unusedStructMember
    const char* name;  // lower case
    // cppcheck-suppress unusedStructMember
    DesignMethod value;
};

const NamedMethod kMethodNames[] = {
    {"tension", DesignMethod::Tension},         {"拉杆", DesignMethod::Tension},
    {"compression", DesignMethod::Compression}, {"压杆", DesignMethod::Compression},
    {"auto", DesignMethod::Auto},               {"自动", DesignMethod::Auto},
};

}  // namespace

bool ReadMethod(std::string_view text, DesignMethod fallback, DesignMethod& method) {
    return ReadWordCell(text, kMethodNames, fallback, method);
}

const char* MethodName(DesignMethod method) {
    switch (method) {
        case DesignMethod::Tension: return "tension";
        case DesignMethod::Compression: return "compression";
        case DesignMethod::Auto: break;
    }
    return "auto";
}
