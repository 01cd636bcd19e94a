// Slenderness of an angle diagonal in each design case: shared by the
// check and by the sizing walk's quick reject, so both judge alike.
#ifndef BRACING_DESIGN_ANGLE_ANGLE_SLENDERNESS_H
#define BRACING_DESIGN_ANGLE_ANGLE_SLENDERNESS_H

#include "calc/bracing.h"
#include "design/member_rules.h"
#include "design/section.h"

struct BraceSlenderness {
    double lambda_x;  // in the oblique plane, about the minimum radius iy0
    double lambda_y;  // out of plane, about the leg-parallel radius ix
    double lambda;    // the larger (NaN when either is)
};

inline BraceSlenderness MakeSlenderness(double Lx_m, double Ly_m, const Section& s) {
    BraceSlenderness out;
    out.lambda_x = Slenderness(Lx_m, s.iy0_cm);
    out.lambda_y = Slenderness(Ly_m, s.ix_cm);
    out.lambda = Larger(out.lambda_x, out.lambda_y);
    return out;
}

// GB 50017-2017 7.4.7: the minimum radius node to crossing, the radius
// about the leg-parallel axis out of plane for crossing members.
inline BraceSlenderness TensionSlenderness(const BracingResults& bay, const Section& s) {
    return MakeSlenderness(bay.Lx1, bay.Ly1, s);
}

// GB 50017-2017 7.4.6 with the lengths of 7.4.2.
inline BraceSlenderness CompressionSlenderness(const BracingResults& bay, const Section& s) {
    return MakeSlenderness(bay.Lx2, bay.Ly2, s);
}

#endif
