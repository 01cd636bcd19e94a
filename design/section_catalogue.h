// The sizes a supplier stocks (--catalogue): sizing walks each family's
// sizes among them, lightest first, instead of the built-in lists.
#ifndef BRACING_DESIGN_SECTION_CATALOGUE_H
#define BRACING_DESIGN_SECTION_CATALOGUE_H

#include <vector>

#include "design/section.h"
#include "design/section_family.h"

class SectionCatalogue {
public:
    // Adds one size; a size listed twice is kept once.
    void Add(const Section& section);
    // The sizes of `family`, lightest first; none when it lists none.
    SectionList Sizes(SectionFamilyId family) const;
    int Count() const;

private:
    std::vector<Section> sizes_[kSectionFamilyCount];
};

#endif
