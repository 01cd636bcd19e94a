// The round bars' diameters, as data.
#ifndef BRACING_DESIGN_BAR_BAR_SIZES_H
#define BRACING_DESIGN_BAR_BAR_SIZES_H

constexpr int kBarSizeCount = 44;
extern const double kBarDiameters_mm[kBarSizeCount];

#endif
