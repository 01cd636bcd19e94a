// What sizing costs a bay: both walks of the angle table, from the
// calculation's results to the two lightest passing angles.
#include "design/families/families.h"
#include "calc/bracing.h"
#include "design/section_family.h"
#include "design/slenderness_limits.h"

#include <benchmark/benchmark.h>

#include <cstddef>

namespace {

// A light bay (the first angle passes), the worked bay (halfway up the
// table), a tall one, and one no angle carries (the whole table walked).
const BracingInputs kBays[] = {
    {1, 1, 1, 0, 1, 0, 0},
    {6, 8, 2, 20, 30, 0, 0},
    {12, 6, 1, 0, 150, 0, 0},
    {3, 4, 1, 0, 30000, 0, 0},
};
constexpr std::size_t kBayCount = sizeof kBays / sizeof kBays[0];

void SizeBoth(const BracingInputs& in, SteelGrade grade) {
    BracingResults bay;
    ComputeBracing(in, bay);
    DesignRequest request;
    request.grade = grade;
    request.limits = DefaultSlendernessLimits(in.T, false, false);
    const SectionFamily& angles = FamilyOf(SectionFamilyId::EqualAngle);
    SizingChoice tension =
        SizeCase(angles, angles.sizing(), DesignCaseKind::Tension, bay, request, MinimumSize{});
    SizingChoice compression =
        SizeCase(angles, angles.sizing(), DesignCaseKind::Compression, bay, request, MinimumSize{});
    benchmark::DoNotOptimize(tension);
    benchmark::DoNotOptimize(compression);
}

void BM_SizeBothCases(benchmark::State& state) {
    const SteelGrade grade = static_cast<SteelGrade>(state.range(0));
    const std::size_t only = static_cast<std::size_t>(state.range(1));
    std::size_t next = 0;
    for (auto _ : state) {
        BracingInputs in = kBays[only < kBayCount ? only : next];
        next = (next + 1) % kBayCount;
        benchmark::DoNotOptimize(in);
        SizeBoth(in, grade);
    }
}
// Arguments: grade (0 Q235, 1 Q345), bay (0 to 3, or 4: each in turn).
BENCHMARK(BM_SizeBothCases)
    ->ArgsProduct({{0, 1}, {0, 1, 2, 3, 4}});

}  // namespace
