// Cross (X) bracing of one bay between two columns: forces, effective
// lengths, required radii of gyration, class-b stability coefficient and
// stresses, for the tension-diagonal and the compression-diagonal case.
#ifndef BRACING_CALC_BRACING_H
#define BRACING_CALC_BRACING_H

struct BracingInputs {
    double H = 0.0;  // bay height, m
    double B = 0.0;  // bay width (column spacing), m
    double n = 0.0;  // frames sharing the horizontal load (not rounded)
    double T = 0.0;  // crane braking force, kN
    double W = 0.0;  // resultant wind force, kN
    double A = 0.0;  // trial section area, cm2
    double i = 0.0;  // trial section radius of gyration, cm
};

// Suffix 1: diagonals as tension members; suffix 2: diagonals that also
// take compression.
struct BracingResults {
    double L = 0.0;    // diagonal length, m
    double P = 0.0;    // horizontal force per frame, kN
    double N1 = 0.0;   // diagonal force, kN
    double Nt1 = 0.0;  // vertical pull-out at the column base, kN
    double Lx1 = 0.0;  // in-plane effective length, m
    double Ly1 = 0.0;  // out-of-plane effective length, m
    double Rx1 = 0.0;  // required radius of gyration in plane, cm
    double Ry1 = 0.0;  // required radius of gyration out of plane, cm
    double f1 = 0.0;   // tensile stress, N/mm2
    double N2 = 0.0;
    double Nt2 = 0.0;
    double Lx2 = 0.0;
    double Ly2 = 0.0;
    double Rx2 = 0.0;
    double Ry2 = 0.0;
    double k = 0.0;    // slenderness of the trial section
    double k1 = 0.0;   // normalised slenderness
    double u = 0.0;    // class-b stability coefficient (phi)
    double f2 = 0.0;   // compressive stress over phi, N/mm2
};

// The dialog's allowable slenderness of the tension and the compression
// diagonal, for its required radii.
constexpr double kDialogTensionLimit = 400.0;
constexpr double kDialogCompressionLimit = 150.0;

// Returns false, leaving `out` untouched, when H, B or n is not positive
// (NaN passes). Otherwise fills every field of `out` and returns true.
bool ComputeBracing(const BracingInputs& in, BracingResults& out);

#endif
