#include "batch/method_text.h"

#include "batch/word_case.h"
#include "format/message_text.h"
#include "io/cell_space.h"

namespace {

struct NamedMethod {
    const char* name;  // lower case
    DesignMethod method;
};

const NamedMethod kMethodNames[] = {
    {"tension", DesignMethod::Tension},         {"拉杆", DesignMethod::Tension},
    {"compression", DesignMethod::Compression}, {"压杆", DesignMethod::Compression},
    {"auto", DesignMethod::Auto},               {"自动", DesignMethod::Auto},
};

}  // namespace

bool ReadMethod(std::string_view text, DesignMethod fallback, DesignMethod& method,
                std::string& error) {
    const std::string_view s = TrimCellSpace(text);
    if (s.empty()) {
        method = fallback;
        return true;
    }
    for (const NamedMethod& m : kMethodNames) {
        if (SameWordIgnoringCase(s, m.name)) {
            method = m.method;
            return true;
        }
    }
    error = "method: " + QuotedText(text, kShownCellCharacters) +
            " is not a design method: tension (拉杆), compression (压杆) or auto (自动)";
    return false;
}

const char* MethodName(DesignMethod method) {
    switch (method) {
        case DesignMethod::Tension: return "tension";
        case DesignMethod::Compression: return "compression";
        case DesignMethod::Auto: break;
    }
    return "auto";
}
