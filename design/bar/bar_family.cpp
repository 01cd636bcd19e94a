#include "design/bar/bar_family.h"

#include <algorithm>
#include <cmath>

#include "design/bar/bar_sizes.h"
#include "design/listed_sections.h"
#include "design/member_rules.h"
#include "design/round_section.h"

namespace {

// Sizing starts at D12: thinner bars are not used as bracing.
constexpr double kSmallestSizedDiameter_mm = 12.0;

using BarTable = ListedSections<kBarSizeCount>;

const BarTable& Bars() {
    static const BarTable table([](int k) { return BarSection(kBarDiameters_mm[k]); },
                                [](const Section& s) { return s.b_mm >= kSmallestSizedDiameter_mm; });
    return table;
}

const Section& At(int k) { return Bars().At(k); }
SectionList Sizing() { return Bars().Lightest(); }

// A listed diameter: one dimension only.
bool Make(double d_mm, double t_mm, Section& out) {
    if (t_mm == t_mm) return false;
    const double* end = kBarDiameters_mm + kBarSizeCount;
    if (std::find(kBarDiameters_mm, end, d_mm) == end) return false;
    out = BarSection(d_mm);
    return true;
}

MemberRadii Radii(const Section& s, double /*gusset_mm*/) {
    const double none = std::nan("");
    return {s.ix_cm, none, none, none};
}

// Table 7.4.7: "除张紧的圆钢外" (other bracing) sets no limit for a tensioned bar.
bool Limited(const DesignRequest& request) { return !request.limits.tension.roundBarsExempt; }

DesignCheck Check(DesignCaseKind /*kind*/, const BracingResults& bay, const Section& s,
                  const DesignRequest& request) {
    return CheckBar(bay, s, request);
}

bool SurelyFails(DesignCaseKind /*kind*/, const BracingResults& bay, const Section& s,
                 const DesignRequest& request) {
    const double lambda = Larger(Slenderness(bay.Lx1, s.ix_cm), Slenderness(bay.Ly1, s.ix_cm));
    return (Limited(request) && lambda / request.limits.tension.lambda > 1.0) ||
           StressOf(bay.N1, s.A_cm2) / DesignStrength(request.grade, s.b_mm) > 1.0;
}

const SectionFamily kBars = {
    SectionFamilyId::RoundBar, kBarSizeCount, At, Sizing, Make, Radii, false, false, Check, SurelyFails,
};

}  // namespace

const SectionFamily& RoundBarFamily() { return kBars; }

DesignCheck CheckBar(const BracingResults& bay, const Section& s, const DesignRequest& request) {
    DesignCheck c = BeginCheck(DesignCaseKind::Tension);
    DesignQuantities& q = c.q;
    // Shown for information where no limit applies: L / i.
    q.lambda_x = Slenderness(bay.Lx1, s.ix_cm);
    q.lambda_y = Slenderness(bay.Ly1, s.ix_cm);
    q.lambda = Larger(q.lambda_x, q.lambda_y);
    // GB 50017-2017 Table 4.4.1: a bar's band is by its diameter.
    q.f = DesignStrength(request.grade, s.b_mm);
    q.sigma = StressOf(bay.N1, s.A_cm2);
    c.branches.no_slenderness_limit = !Limited(request);
    if (Limited(request)) {
        AddCriterion(c, CriterionId::TensionSlenderness, q.lambda, request.limits.tension.lambda,
                     Clause::Table7_4_7);
    }
    AddCriterion(c, CriterionId::TensionStrength, q.sigma, q.f, Clause::Clause7_1_1);
    Conclude(c);
    return c;
}
