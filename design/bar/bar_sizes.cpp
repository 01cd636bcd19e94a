// Hot-rolled round bars of GB/T 702: the diameters, mm.
#include "design/bar/bar_sizes.h"

const double kBarDiameters_mm[kBarSizeCount] = {
    5.5, 6, 6.5, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25,
    26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 38, 40, 42, 45, 48, 50, 53, 55, 56, 58, 60,
};
