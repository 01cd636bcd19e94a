// Allowable slenderness of a bay's tension and compression design.
#ifndef BRACING_DESIGN_SLENDERNESS_LIMITS_H
#define BRACING_DESIGN_SLENDERNESS_LIMITS_H

struct SlendernessLimits {
    double tension;
    double compression;
};

// GB 50017-2017 Tables 7.4.7 and 7.4.6: with crane braking force (T not 0,
// kN; a negative T is a force the other way, still a crane) the bay is
// column bracing below crane beams: 300 and 150; otherwise 400 and 200.
SlendernessLimits DefaultSlendernessLimits(double T_kN);

#endif
