#include "batch/design_texts.h"

#include "batch/section_text.h"
#include "format/fixed_text.h"

namespace {

template <class Check>
void AppendCellText(std::string& out, const DesignColumn<Check>& column,
                    const AngleSection* section, const Check& check) {
    if (column.kind == DesignCell::Verdict) {
        out.append(VerdictText(section != nullptr && check.ok));
    } else if (section != nullptr && column.kind == DesignCell::Section) {
        AppendDesignation(*section, out);
    } else if (section != nullptr) {
        AppendFixed(out, column.value(check), column.decimals);
    }
}

template <class Check>
std::string CellText(const DesignColumn<Check>& column, const AngleSection* section,
                     const Check& check) {
    std::string text;
    AppendCellText(text, column, section, check);
    return text;
}

}  // namespace

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

void AppendDesignCellText(std::string& out, const DesignColumn<TensionCheck>& column,
                          const AngleSection* section, const TensionCheck& check) {
    AppendCellText(out, column, section, check);
}

void AppendDesignCellText(std::string& out, const DesignColumn<CompressionCheck>& column,
                          const AngleSection* section, const CompressionCheck& check) {
    AppendCellText(out, column, section, check);
}

std::string DesignCellText(const DesignColumn<TensionCheck>& column, const AngleSection* section,
                           const TensionCheck& check) {
    return CellText(column, section, check);
}

std::string DesignCellText(const DesignColumn<CompressionCheck>& column,
                           const AngleSection* section, const CompressionCheck& check) {
    return CellText(column, section, check);
}
