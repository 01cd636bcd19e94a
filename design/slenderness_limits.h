// Allowable slenderness of a bay's tension and compression design.
#ifndef BRACING_DESIGN_SLENDERNESS_LIMITS_H
#define BRACING_DESIGN_SLENDERNESS_LIMITS_H

// One design case's allowable slenderness, from the code's table or typed.
struct AllowableSlenderness {
    double lambda = 0.0;
    // GB 50017-2017 7.4.6 item 2 may raise a table's limit below 200 to 200
    // where the force is at most half the member's stability capacity: only
    // for a compression limit taken from Table 7.4.6.
    bool halfCapacityRelief = false;
    // Table 7.4.7's row for other bracing excludes tensioned round bars:
    // only for a tension limit taken from that row.
    bool roundBarsExempt = false;
};

struct SlendernessLimits {
    AllowableSlenderness tension;
    AllowableSlenderness compression;
};

// GB 50017-2017 7.4.6 item 2: the limit allowed at half the capacity.
constexpr double kHalfCapacityLimit = 200.0;

// GB 50017-2017 Tables 7.4.7 and 7.4.6: with crane braking force (T not 0,
// kN; a negative T is a force the other way, still a crane) the bay is
// column bracing below crane beams: 300 (200 with heavy-duty cranes, A6-A8)
// and 150; otherwise 400 (350) and 200. `strict`: without 7.4.6 item 2.
SlendernessLimits DefaultSlendernessLimits(double T_kN, bool heavyCranes, bool strict);

#endif
