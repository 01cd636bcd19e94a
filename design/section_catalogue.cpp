#include "design/section_catalogue.h"

#include <algorithm>

namespace {

bool SameSize(const Section& a, const Section& b) {
    // t is NaN for a bar: two bars are the same by their diameter.
    return a.b_mm == b.b_mm && (a.t_mm == b.t_mm || (a.t_mm != a.t_mm && b.t_mm != b.t_mm));
}

}  // namespace

void SectionCatalogue::Add(const Section& section) {
    std::vector<Section>& sizes = sizes_[static_cast<int>(section.family)];
    if (std::any_of(sizes.begin(), sizes.end(), [&](const Section& s) { return SameSize(s, section); })) {
        return;
    }
    // Kept in sizing order as it grows: catalogues are short.
    sizes.insert(std::upper_bound(sizes.begin(), sizes.end(), section, LighterFirst), section);
}

SectionList SectionCatalogue::Sizes(SectionFamilyId family) const {
    const std::vector<Section>& sizes = sizes_[static_cast<int>(family)];
    return {sizes.data(), static_cast<int>(sizes.size())};
}

int SectionCatalogue::Count() const {
    int count = 0;
    for (const std::vector<Section>& sizes : sizes_) count += static_cast<int>(sizes.size());
    return count;
}
