#include "batch/design_texts.h"

#include "batch/trimmed_text.h"
#include "batch/section_text.h"

#include <cstring>

namespace {

std::string CellText(const DesignColumn& column, const Section* section,
                     const DesignCheck& check) {
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

double Value(const DesignCheck& c, CriterionId id) { return c.Find(id)->value; }
double Limit(const DesignCheck& c, CriterionId id) { return c.Find(id)->limit; }

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

const DesignColumn kTensionColumns[kTensionColumnCount] = {
    {"section1", DesignCell::Section, nullptr, 0},
    {"lambda1", DesignCell::Number,
     [](const DesignCheck& c) { return Value(c, CriterionId::TensionSlenderness); },
     kSlendernessDecimals},
    {"limit1", DesignCell::Number,
     [](const DesignCheck& c) { return Limit(c, CriterionId::TensionSlenderness); },
     kLimitDecimals},
    {"stress1", DesignCell::Number, [](const DesignCheck& c) { return c.q.sigma; }, kStressDecimals},
    {"ratio1", DesignCell::Number, [](const DesignCheck& c) { return c.ratio; }, kRatioDecimals},
    {"ok1", DesignCell::Verdict, nullptr, 0},
};

const DesignColumn kCompressionColumns[kCompressionColumnCount] = {
    {"section2", DesignCell::Section, nullptr, 0},
    {"lambda2", DesignCell::Number,
     [](const DesignCheck& c) { return Value(c, CriterionId::CompressionSlenderness); },
     kSlendernessDecimals},
    {"limit2", DesignCell::Number,
     [](const DesignCheck& c) { return Limit(c, CriterionId::CompressionSlenderness); },
     kLimitDecimals},
    {"phi2", DesignCell::Number, [](const DesignCheck& c) { return c.q.phi; }, kFactorDecimals},
    {"eta2", DesignCell::Number, [](const DesignCheck& c) { return c.q.eta; }, kFactorDecimals},
    {"rho2", DesignCell::Number, [](const DesignCheck& c) { return c.q.rho; }, kFactorDecimals},
    {"stress2", DesignCell::Number, [](const DesignCheck& c) { return c.q.sigma; },
     kStressDecimals},
    {"ratio2", DesignCell::Number, [](const DesignCheck& c) { return c.ratio; },
     kRatioDecimals},
    {"ok2", DesignCell::Verdict, nullptr, 0},
};

std::string DesignCellText(const DesignColumn& column, const Section* section,
                           const DesignCheck& check) {
    return CellText(column, section, check);
}
