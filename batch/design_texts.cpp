#include "batch/design_texts.h"

#include "batch/section_text.h"
#include "format/fixed_text.h"

namespace {

void AppendCellText(std::string& out, const DesignColumn& column, const Section* section,
                    const DesignCheck& check) {
    if (column.kind == DesignCell::Verdict) {
        out.append(check.applies ? VerdictText(section != nullptr && check.ok) : "NA");
    } else if (section != nullptr && column.kind == DesignCell::Section) {
        AppendDesignation(*section, out);
    } else if (section != nullptr && HasNumber(column, check)) {
        AppendFixed(out, column.value(check), column.decimals);
    }
}

std::string CellText(const DesignColumn& column, const Section* section, const DesignCheck& check) {
    std::string text;
    AppendCellText(text, column, section, check);
    return text;
}

double Limit(const DesignCheck& c, CriterionId id) { return c.Find(id)->limit; }

}  // namespace

const char* VerdictText(bool ok) { return ok ? "OK" : "NG"; }

bool HasNumber(const DesignColumn& column, const DesignCheck& check) {
    return column.has == nullptr || column.has(check);
}

const DesignColumn kTensionColumns[kTensionColumnCount] = {
    {"section1", DesignCell::Section, nullptr, 0},
    // The larger slenderness, checked or, for a bar with no limit, for information.
    {"lambda1", DesignCell::Number, [](const DesignCheck& c) { return c.q.lambda; },
     kSlendernessDecimals},
    {"limit1", DesignCell::Number,
     [](const DesignCheck& c) { return Limit(c, CriterionId::TensionSlenderness); }, kLimitDecimals,
     [](const DesignCheck& c) { return c.Find(CriterionId::TensionSlenderness) != nullptr; }},
    {"stress1", DesignCell::Number, [](const DesignCheck& c) { return c.q.sigma; }, kStressDecimals},
    {"ratio1", DesignCell::Number, [](const DesignCheck& c) { return c.ratio; }, kRatioDecimals},
    {"ok1", DesignCell::Verdict, nullptr, 0},
};

const DesignColumn kCompressionColumns[kCompressionColumnCount] = {
    {"section2", DesignCell::Section, nullptr, 0},
    {"lambda2", DesignCell::Number, [](const DesignCheck& c) { return c.q.lambda; },
     kSlendernessDecimals},
    {"limit2", DesignCell::Number,
     [](const DesignCheck& c) { return Limit(c, CriterionId::CompressionSlenderness); },
     kLimitDecimals},
    {"lambda_phi2", DesignCell::Number, [](const DesignCheck& c) { return c.q.lambda_phi; },
     kSlendernessDecimals},
    {"phi2", DesignCell::Number, [](const DesignCheck& c) { return c.q.phi; }, kFactorDecimals},
    {"eta2", DesignCell::Number, [](const DesignCheck& c) { return c.q.eta; }, kFactorDecimals},
    {"rho2", DesignCell::Number, [](const DesignCheck& c) { return c.q.rho; }, kFactorDecimals},
    {"stress2", DesignCell::Number, [](const DesignCheck& c) { return c.q.sigma; },
     kStressDecimals},
    {"ratio2", DesignCell::Number, [](const DesignCheck& c) { return c.ratio; },
     kRatioDecimals},
    {"ok2", DesignCell::Verdict, nullptr, 0},
};

const char* AdoptedCaseName(AdoptedCase adopted) {
    switch (adopted) {
        case AdoptedCase::Tension: return "tension";
        case AdoptedCase::Compression: return "compression";
        case AdoptedCase::None: break;
    }
    return "";
}

const AdoptedColumn kAdoptedColumns[kAdoptedColumnCount] = {
    {"adopted", [](std::string& out, const BayDesign& d) { out.append(AdoptedCaseName(d.adopted)); }},
    {"adopted_section",
     [](std::string& out, const BayDesign& d) {
         if (d.Adopted() != nullptr) AppendDesignation(*d.Adopted()->section, out);
     }},
    {"mass",
     [](std::string& out, const BayDesign& d) {
         if (d.Adopted() != nullptr) AppendFixed(out, d.Adopted()->section->mass_kg_m, kMassDecimals);
     }},
    {"ok", [](std::string& out, const BayDesign& d) { out.append(VerdictText(d.Adopted() != nullptr)); }},
};

void AppendDesignCellText(std::string& out, const DesignColumn& column, const Section* section,
                          const DesignCheck& check) {
    AppendCellText(out, column, section, check);
}

std::string DesignCellText(const DesignColumn& column, const Section* section,
                           const DesignCheck& check) {
    return CellText(column, section, check);
}
