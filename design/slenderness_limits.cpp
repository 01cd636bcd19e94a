#include "design/slenderness_limits.h"

SlendernessLimits DefaultSlendernessLimits(double T_kN, bool heavyCranes, bool strict) {
    // GB 50017-2017 Tables 7.4.7 and 7.4.6: crane braking force means
    // column bracing below crane beams. The sign is only a direction, so
    // any T but 0 (NaN included) takes the stricter limits.
    const bool belowCraneBeams = T_kN != 0.0;
    SlendernessLimits limits;
    // Table 7.4.7: the column "buildings with heavy-duty cranes".
    if (belowCraneBeams) {
        limits.tension.lambda = heavyCranes ? 200.0 : 300.0;
    } else {
        limits.tension.lambda = heavyCranes ? 350.0 : 400.0;
        // "除张紧的圆钢外": no limit for a tensioned bar in other bracing.
        limits.tension.roundBarsExempt = true;
    }
    limits.compression.lambda = belowCraneBeams ? 150.0 : 200.0;
    limits.compression.halfCapacityRelief =
        !strict && limits.compression.lambda < kHalfCapacityLimit;
    return limits;
}
