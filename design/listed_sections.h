// A family's listed sizes, built once: in the list's order, and those
// sizing may take, lightest first (LighterFirst).
#ifndef BRACING_DESIGN_LISTED_SECTIONS_H
#define BRACING_DESIGN_LISTED_SECTIONS_H

#include <algorithm>

#include "design/section.h"
#include "design/section_family.h"

template <int N>
class ListedSections {
public:
    // `make(k)`: the k-th listed section; `sized(s)`: whether sizing takes it.
    template <class Make, class Sized>
    ListedSections(Make make, Sized sized) {
        for (int k = 0; k < N; ++k) {
            listed_[k] = make(k);
            if (sized(listed_[k])) lightest_[sizedCount_++] = listed_[k];
        }
        std::stable_sort(lightest_, lightest_ + sizedCount_, LighterFirst);
    }

    const Section& At(int k) const { return listed_[k]; }
    SectionList Lightest() const { return {lightest_, sizedCount_}; }

private:
    Section listed_[N] = {};
    Section lightest_[N] = {};
    int sizedCount_ = 0;
};

// Every listed size is sized.
inline bool EverySize(const Section&) { return true; }

#endif
