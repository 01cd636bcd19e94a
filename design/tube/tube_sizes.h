// The stocked tube sizes, as data.
#ifndef BRACING_DESIGN_TUBE_TUBE_SIZES_H
#define BRACING_DESIGN_TUBE_TUBE_SIZES_H

struct TubeSize {
    double D_mm;  // outside diameter
    double t_mm;  // wall
};

constexpr int kTubeSizeCount = 34;
extern const TubeSize kTubeSizes[kTubeSizeCount];

#endif
