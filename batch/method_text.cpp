#include "batch/method_text.h"

#include "batch/word_case.h"
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

bool ReadMethod(std::string_view text, DesignMethod fallback, DesignMethod& method) {
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
