#include "batch/design_texts.h"

#include "batch/trimmed_text.h"
#include "batch/section_text.h"

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

}  // namespace

ResultText DesignNumberText(double value, int decimals) {
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
