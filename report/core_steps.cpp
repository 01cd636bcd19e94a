#include "report/core_steps.h"

#include "calc/stability.h"
#include "report/report_numbers.h"
#include "ui/result_rows.h"

#include <algorithm>

namespace {

// A result as the dialog and the CSV show it; L, P and the slenderness,
// which the dialog does not show, with `decimals`.
std::string Result(const BracingResults& r, double BracingResults::*member, int decimals = 3) {
    const ResultRow* end = kResultRows + kResultRowCount;
    const ResultRow* row =
        std::find_if(kResultRows, end, [member](const ResultRow& k) { return k.value == member; });
    return row == end ? Number(r.*member, decimals) : ResultNumber(*row, r);
}

// Inputs as they are put into the formulas.
std::string In(double value) { return Number(value, 3); }

// The dialog adds the forces as typed; the design takes wind and crane
// braking acting the same way, each in either direction.
const char* LoadFormula(bool trialSection) { return trialSection ? "P = (W + T)/n" : "P = (|W| + |T|)/n"; }

Step LoadStep(const BracingInputs& in, const std::string& P, bool trialSection) {
    const std::string bar = trialSection ? "" : "|";
    return {LoadFormula(trialSection),
            "(" + bar + In(in.W) + bar + " + " + bar + In(in.T) + bar + ") / " + In(in.n), P, "kN", ""};
}

}  // namespace

std::string UnitText(const char* unit) {
    std::string text = unit;
    if (!text.empty() && text.back() == '2') {
        text.replace(text.size() - 1, 1, "²");
    }
    return text;
}

std::string LoadText(const BracingResults& r, bool trialSection) {
    return std::string(LoadFormula(trialSection)) + " = " + Result(r, &BracingResults::P) + " kN";
}

void BuildCoreSteps(const BracingInputs& in, const BracingResults& r, bool trialSection,
                    std::vector<Step>& steps) {
    using R = BracingResults;
    const std::string L = Result(r, &R::L);
    const std::string N1 = Result(r, &R::N1);
    const std::string N2 = Result(r, &R::N2);
    steps = {
        {"L = √(B² + H²)", "√(" + In(in.B) + "² + " + In(in.H) + "²)", L, "m", ""},
        {"Lx1 = Lx2 = 0.5·L", "0.5 × " + L, Result(r, &R::Lx2), "m", "7.4.2"},
        {"Ly1 = L", "", Result(r, &R::Ly1), "m", "7.4.2"},
        {"Ly2 = 0.7·L", "0.7 × " + L, Result(r, &R::Ly2), "m", "7.4.2"},
        LoadStep(in, Result(r, &R::P), trialSection),
        {"N1 = L·P/B", L + " × " + Result(r, &R::P) + " / " + In(in.B), N1, "kN", ""},
        {"N2 = N1/2", N1 + " / 2", N2, "kN", ""},
        {"Nt1 = H·N1/L", In(in.H) + " × " + N1 + " / " + L, Result(r, &R::Nt1), "kN", ""},
        {"Nt2 = H·N2/L", In(in.H) + " × " + N2 + " / " + L, Result(r, &R::Nt2), "kN", ""},
    };
    if (!trialSection) {
        return;
    }
    // Required radii for the dialog's slenderness limits (m to cm: 100).
    const std::string lt = Number(kDialogTensionLimit, 0);
    const std::string lc = Number(kDialogCompressionLimit, 0);
    const std::string k = Result(r, &R::k, 1);
    const std::string normaliser = Number(kNormalisingSlenderness, 3);
    const Step trial[] = {
        {"Rx1 = 100·Lx1/" + lt, "100 × " + Result(r, &R::Lx1) + " / " + lt, Result(r, &R::Rx1), "cm", ""},
        {"Ry1 = 100·Ly1/" + lt, "100 × " + Result(r, &R::Ly1) + " / " + lt, Result(r, &R::Ry1), "cm", ""},
        {"Rx2 = 100·Lx2/" + lc, "100 × " + Result(r, &R::Lx2) + " / " + lc, Result(r, &R::Rx2), "cm", ""},
        {"Ry2 = 100·Ly2/" + lc, "100 × " + Result(r, &R::Ly2) + " / " + lc, Result(r, &R::Ry2), "cm", ""},
        {"λ = 100·Ly2/i", "100 × " + Result(r, &R::Ly2) + " / " + In(in.i), k, "", ""},
        {"λn = λ/" + normaliser, k + " / " + normaliser, Result(r, &R::k1, 3), "", "附录 D"},
        {"u = φ(λn)，b 类", "", Result(r, &R::u), "", "附录 D"},
        {"f1 = 1000·N1/(100·A)", "1000 × " + N1 + " / (100 × " + In(in.A) + ")", Result(r, &R::f1), "N/mm²", ""},
        {"f2 = 1000·N2/(100·u·A)", "1000 × " + N2 + " / (100 × " + Result(r, &R::u) + " × " + In(in.A) + ")",
         Result(r, &R::f2), "N/mm²", ""},
    };
    steps.insert(steps.end(), std::begin(trial), std::end(trial));
}
