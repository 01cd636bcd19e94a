#include "design/slenderness_limits.h"

SlendernessLimits DefaultSlendernessLimits(double T_kN) {
    // GB 50017-2017 Tables 7.4.7 and 7.4.6: crane braking force means
    // column bracing below crane beams. The sign is only a direction, so
    // any T but 0 (NaN included) takes the stricter limits.
    if (T_kN != 0.0) return SlendernessLimits{300.0, 150.0};
    return SlendernessLimits{400.0, 200.0};
}
