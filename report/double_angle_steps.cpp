#include "report/double_angle_steps.h"

#include "batch/design_texts.h"
#include "design/families/families.h"
#include "report/report_numbers.h"

namespace {

// How the T and the cross name their radii and slendernesses.
struct PairTexts {
    const char* inPlane;        // the radius in the bracing plane
    const char* gap;            // the leg-parallel radius at the gusset gap
    const char* lambdaX[2];     // tension, compression
    const char* lambdaY[2];
    const char* fillerRadius;   // GB 50017-2017 7.2.6 item 1 or 2
};

const PairTexts kTee = {
    "ix = ix1（平面内）", "iy = √(ix1² + (z0 + g/2)²)", {"λx = 100·Lx1/ix", "λx = 100·Lx2/ix"},
    {"λy = 100·Ly1/iy", "λy = 100·Ly2/iy"}, "i1 = ix1（平行于填板的形心轴）",
};
const PairTexts kCross = {
    "ix0 = ix0,1（最小）", "i = √(ix1² + (z0 + g/2)²)", {"λx = 100·Lx1/ix0", "λx = 100·Lx2/ix0"},
    {"λy = 100·Ly1/i", "λy = 100·Ly2/i"}, "i1 = iy0,1（一个角钢的最小回转半径）",
};

bool IsCross(const CaseInputs& in) { return in.design.family == SectionFamilyId::DoubleAngleCross; }
const PairTexts& TextsOf(const CaseInputs& in) { return IsCross(in) ? kCross : kTee; }

// The radii the member is designed with: in plane the T's ix1 or the
// cross's ix0, out of plane about the leg-parallel axis at the gap.
MemberRadii Radii(const CaseInputs& in) { return FamilyOf(in.design.family).radii(in.s, in.design.gusset_mm); }
double InPlane(const CaseInputs& in, const MemberRadii& r) { return IsCross(in) ? r.ix0_cm : r.ix_cm; }

// A, the radii, f and both slendernesses in the check's case.
void AddSectionSteps(const CaseInputs& in, std::vector<Step>& steps) {
    const PairTexts& texts = TextsOf(in);
    const Section& s = in.s;
    const MemberRadii radii = Radii(in);
    const bool tension = in.check.kind == DesignCaseKind::Tension;
    const int k = tension ? 0 : 1;
    const char* clause = tension ? "7.4.7" : "7.4.6";
    steps = {
        // One angle's area to a digit more, so that twice it reads as the pair's.
        {"A = 2·A1", "2 × " + Number(s.A_cm2 / 2.0, kPropertyDecimals + 1), Number(s.A_cm2, kPropertyDecimals), "cm²",
         "GB/T 706-2016"},
        {texts.inPlane, "", Number(InPlane(in, radii), kPropertyDecimals), "cm", "GB/T 706-2016"},
        // The gusset's g in mm, as cm.
        {texts.gap,
         "√(" + Number(s.ix_cm, kPropertyDecimals) + "² + (" + Number(s.z0_cm, kPropertyDecimals) + " + " +
             Number(in.design.gusset_mm / 10.0, 2) + " / 2)²)",
         Number(radii.iy_cm, kPropertyDecimals), "cm", ""},
        StrengthStep(in, DimensionText("t", s.t_mm), "表 4.4.1"),
        SlendernessStep(texts.lambdaX[k], tension ? in.r.Lx1 : in.r.Lx2, InPlane(in, radii), in.check.q.lambda_x,
                        clause),
        SlendernessStep(texts.lambdaY[k], tension ? in.r.Ly1 : in.r.Ly2, radii.iy_cm, in.check.q.lambda_y, clause),
    };
}

// GB 50017-2017 7.2.2 item 2(3), equal angles in a T: lambda_yz by the
// branch the check took.
void AddTeeTorsionSteps(const CaseInputs& in, std::vector<Step>& steps) {
    const DesignQuantities& q = in.check.q;
    const std::string ly = Number(q.lambda_y, kSlendernessDecimals);
    const std::string lz = Number(q.lambda_z, kSlendernessDecimals);
    const std::string lyz = Number(q.lambda_yz, kSlendernessDecimals);
    steps.push_back({"λz = 3.9·b/t", "3.9 × " + Number(in.s.b_mm, 0) + " / " + Number(in.s.t_mm, 0), lz, "",
                     "7.2.2 第 2 款"});
    if (in.check.branches.yz_by_lambda_y) {
        steps.push_back({"λyz = λy·[1 + 0.16·(λz/λy)²]（λy ≥ λz）", ly + " × [1 + 0.16 × (" + lz + " / " + ly + ")²]",
                         lyz, "", "7.2.2 第 2 款"});
    } else {
        steps.push_back({"λyz = λz·[1 + 0.16·(λy/λz)²]（λy < λz）", lz + " × [1 + 0.16 × (" + ly + " / " + lz + ")²]",
                         lyz, "", "7.2.2 第 2 款"});
    }
    steps.push_back({"λφ = max(λx, λyz)", "max(" + Number(q.lambda_x, kSlendernessDecimals) + ", " + lyz + ")",
                     Number(q.lambda_phi, kSlendernessDecimals), "",
                     in.check.branches.torsion_governs ? "7.2.2（λyz 控制）" : "7.2.2"});
}

// GB 50017-2017 7.2.2 item 1(2), the cross: torsional buckling only where
// b/t is over 15 eps_k, with I_omega = 0.
void AddCrossTorsionSteps(const CaseInputs& in, std::vector<Step>& steps) {
    const DesignQuantities& q = in.check.q;
    const Section& s = in.s;
    const bool checked = in.check.branches.torsion_checked;
    const std::string limit = Number(q.b_t_torsion, kWidthRatioDecimals);
    steps.push_back({"b/t", Number(s.b_mm, 0) + " / " + Number(s.t_mm, 0), Number(q.b_t, kWidthRatioDecimals),
                     (checked ? "> 15εk = " : "≤ 15εk = ") + limit,
                     checked ? "7.2.2 第 1 款：计算扭转屈曲" : "7.2.2 第 1 款：不必计算扭转屈曲"});
    if (!checked) return;
    const std::string I0 = Number(q.I0_cm4, kPropertyDecimals);
    const std::string It = Number(q.It_cm4, kPropertyDecimals);
    const std::string lz = Number(q.lambda_z, kSlendernessDecimals);
    // b and t in mm, as cm.
    const std::string b = Number(s.b_mm / 10.0, 2);
    const std::string t = Number(s.t_mm / 10.0, 2);
    steps.push_back({"I0 = Ix + Iy = 2·A·i²",
                     "2 × " + Number(s.A_cm2, kPropertyDecimals) + " × " + Number(Radii(in).iy_cm, kPropertyDecimals) +
                         "²",
                     I0, "cm⁴", "7.2.2"});
    steps.push_back({"It = 2·(2b − t)·t³/3", "2 × (2 × " + b + " − " + t + ") × " + t + "³ / 3", It, "cm⁴", "7.2.2"});
    steps.push_back({"λz = √(I0/(It/25.7))（Iω = 0）", "√(" + I0 + " / (" + It + " / 25.7))", lz, "", "7.2.2 第 1 款"});
    steps.push_back({"λφ = max(λ2, λz)", "max(" + Number(q.lambda, kSlendernessDecimals) + ", " + lz + ")",
                     Number(q.lambda_phi, kSlendernessDecimals), "",
                     in.check.branches.torsion_governs ? "7.2.2（λz 控制）" : "7.2.2"});
}

}  // namespace

void PairTensionSteps(const CaseInputs& in, std::vector<Step>& steps) {
    AddSectionSteps(in, steps);
    // The strength criterion: 0.85 f at the end section, each angle connected by one leg.
    steps.push_back(StressStep("σ1 = 1000·N1/(100·A)", in.r.N1, Number(in.s.A_cm2, kPropertyDecimals), in.check.q.sigma,
                               "7.1.1、表 7.1.3"));
    AddFillerSteps(TextsOf(in).fillerRadius, in, steps);
}

void PairCompressionSteps(const CaseInputs& in, std::vector<Step>& steps) {
    const DesignQuantities& q = in.check.q;
    const std::string A = Number(in.s.A_cm2, kPropertyDecimals);
    AddSectionSteps(in, steps);
    steps.push_back(EpsKStep(in));
    if (IsCross(in)) {
        AddCrossTorsionSteps(in, steps);
    } else {
        AddTeeTorsionSteps(in, steps);
    }
    steps.push_back(LambdaNStep(in.check.branches.torsion_checked ? "λφ" : "λ2", q.lambda_phi, q));
    steps.push_back(PhiStep(in.check));
    steps.push_back(StressStep("σ2 = 1000·N2/(100·φ·A)", in.r.N2, Number(q.phi, kFactorDecimals) + " × " + A, q.sigma,
                               in.check.branches.torsion_governs ? "7.2.1、7.2.2" : "7.2.1"));
    steps.push_back(LegWidthStep(in.s, q));
    steps.push_back(LegWidthLimitStep(in.check));
    steps.push_back(StressStep("N2/A = 1000·N2/(100·A)", in.r.N2, A,
                               in.check.Find(CriterionId::CompressionStrength)->value, "7.1.1、表 7.1.3"));
    AddHalfCapacityStep("N2/(φ·A·f) = σ2/f", in, steps);
    AddFillerSteps(TextsOf(in).fillerRadius, in, steps);
}

void PairProperties(const Section& s, const MemberRadii& radii, std::vector<Cell>& cells) {
    const bool cross = s.family == SectionFamilyId::DoubleAngleCross;
    cells.push_back({Number(s.b_mm, 0), true});
    cells.push_back({Number(s.t_mm, 0), true});
    cells.push_back({Number(s.A_cm2, kPropertyDecimals), true});
    cells.push_back({Number(cross ? radii.ix0_cm : radii.ix_cm, kPropertyDecimals), true});
    cells.push_back({Number(radii.iy_cm, kPropertyDecimals), true});
    cells.push_back({TableNumber(s.mass_kg_m, 3), true});
}
