#include "batch/design_texts.h"

#include "batch/section_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

template <class Check>
std::string CellText(const DesignColumn<Check>& column, const AngleSection* section,
                     const Check& check) {
    std::string text;
    if (column.kind == DesignCell::Verdict) {
        text = VerdictText(section != nullptr && check.ok);
    } else if (section != nullptr && column.kind == DesignCell::Section) {
        AppendDesignation(*section, text);
    } else if (section != nullptr) {
        text = DesignNumberText(column.value(check), column.decimals).chars;
    }
    return text;
}

// The fewest significant digits that read back as `value`, written out
// without an exponent where that fits.
ResultText ShortestRoundTrip(double value) {
    char digits[32];
    for (int precision = 1; precision <= 17; ++precision) {
        std::snprintf(digits, sizeof digits, "%.*e", precision - 1, value);
        if (TextToNumber(digits) == value) break;
    }
    // digits: [-]d[.ddd]e±xx
    char* e = std::strchr(digits, 'e');
    const int exponent = static_cast<int>(std::strtol(e + 1, nullptr, 10));
    *e = '\0';
    std::string mantissa;
    for (const char* c = digits; *c != '\0'; ++c) {
        if (*c >= '0' && *c <= '9') mantissa.push_back(*c);
    }
    const int count = static_cast<int>(mantissa.size());
    std::string out(digits[0] == '-' ? "-" : "");
    if (exponent < 0) {
        out += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + mantissa;
    } else if (exponent + 1 >= count) {
        out += mantissa + std::string(static_cast<std::size_t>(exponent + 1 - count), '0');
    } else {
        out += mantissa.substr(0, exponent + 1) + "." + mantissa.substr(exponent + 1);
    }
    ResultText text;
    if (out.size() >= sizeof text.chars) {
        std::snprintf(text.chars, sizeof text.chars, "%se%d", digits, exponent);
    } else {
        std::memcpy(text.chars, out.c_str(), out.size() + 1);
    }
    return text;
}

}  // namespace

ResultText DesignNumberText(double value, int decimals) {
    if (decimals == kShortestDecimals && std::isfinite(value)) {
        return ShortestRoundTrip(value);
    }
    ResultText text = FormatResult(value, decimals);
    const char* start = TrimmedText(text);
    std::memmove(text.chars, start, std::strlen(start) + 1);
    return text;
}

ResultText ShortestText(double value, int maxDecimals) {
    for (int decimals = 0; decimals < maxDecimals; ++decimals) {
        const ResultText text = DesignNumberText(value, decimals);
        if (TextToNumber(text.chars) == value) {
            return text;
        }
    }
    return DesignNumberText(value, maxDecimals);
}

const char* VerdictText(bool ok) { return ok ? "OK" : "NG"; }

const DesignColumn<TensionCheck> kTensionColumns[kTensionColumnCount] = {
    {"section1", DesignCell::Section, nullptr, 0},
    {"lambda1", DesignCell::Number, [](const TensionCheck& c) { return c.slenderness.value; },
     kSlendernessDecimals},
    {"limit1", DesignCell::Number, [](const TensionCheck& c) { return c.slenderness.limit; },
     kLimitDecimals},
    {"stress1", DesignCell::Number, [](const TensionCheck& c) { return c.sigma; }, kStressDecimals},
    {"ratio1", DesignCell::Number, [](const TensionCheck& c) { return c.ratio; }, kRatioDecimals},
    {"ok1", DesignCell::Verdict, nullptr, 0},
};

const DesignColumn<CompressionCheck> kCompressionColumns[kCompressionColumnCount] = {
    {"section2", DesignCell::Section, nullptr, 0},
    {"lambda2", DesignCell::Number,
     [](const CompressionCheck& c) { return c.slenderness.value; }, kSlendernessDecimals},
    {"limit2", DesignCell::Number,
     [](const CompressionCheck& c) { return c.slenderness.limit; }, kLimitDecimals},
    {"phi2", DesignCell::Number, [](const CompressionCheck& c) { return c.phi; }, kFactorDecimals},
    {"eta2", DesignCell::Number, [](const CompressionCheck& c) { return c.eta; }, kFactorDecimals},
    {"rho2", DesignCell::Number, [](const CompressionCheck& c) { return c.rho; }, kFactorDecimals},
    {"stress2", DesignCell::Number, [](const CompressionCheck& c) { return c.sigma; },
     kStressDecimals},
    {"ratio2", DesignCell::Number, [](const CompressionCheck& c) { return c.ratio; },
     kRatioDecimals},
    {"ok2", DesignCell::Verdict, nullptr, 0},
};

std::string DesignCellText(const DesignColumn<TensionCheck>& column, const AngleSection* section,
                           const TensionCheck& check) {
    return CellText(column, section, check);
}

std::string DesignCellText(const DesignColumn<CompressionCheck>& column,
                           const AngleSection* section, const CompressionCheck& check) {
    return CellText(column, section, check);
}
