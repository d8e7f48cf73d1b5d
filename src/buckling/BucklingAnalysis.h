#pragma once

#include "harmonic/HarmonicInput.h"

#include <string>
#include <vector>

namespace venkar {

class Model;

inline constexpr const char* bucklingHarmonicLoadsMessage =
    "Beulanalyse nur für rotationssymmetrische Lastfälle";
inline constexpr const char* noCompressionMessage =
    "Kein Beulen: keine Druckkräfte im Vorbeulzustand";

// The highest harmonic the scan reaches.
inline constexpr int maxBucklingHarmonic = 200;

struct BucklingOptions {
    int firstHarmonic = 0;
    int lastHarmonic = maxBucklingHarmonic;
    // The load case holds loads around the circumference (a table the
    // caller knows of): the analysis is refused, since dropping them would
    // be unconservative. Loads in the HarmonicInput refuse it as well.
    bool hasHarmonicLoads = false;
    int flags = 0; // calculation options (self weight is the model's)
};

// λ of one calculated harmonic.
struct HarmonicFactor {
    int n = 0;
    bool found = false; // false: no positive λ (nothing buckles in this harmonic)
    double factor = 0.0;
};

// The buckling mode at one element end of a shell, normalised so that the
// largest |wr|, |wz| or |v| over all shells is 1.
struct BucklingModeStation {
    double x = 0.0; // relative position along the shell
    double r = 0.0;
    double z = 0.0;
    double wr = 0.0;
    double wz = 0.0;
    double v = 0.0;
    double rotation = 0.0;
};

struct BucklingModeShell {
    int number = 0; // shell row number
    std::vector<BucklingModeStation> stations;
};

struct BucklingResult {
    // False: nothing buckles; `message` says why.
    bool buckles = false;
    std::string message;
    // Every calculated harmonic, n ascending.
    std::vector<HarmonicFactor> perHarmonic;
    int criticalHarmonic = -1;
    double criticalFactor = 0.0; // r_Rcr = min λ
    // Every n with λ within 1 % of the minimum, ascending (the critical one
    // among them).
    std::vector<int> plateau;
    // The harmonics left out of the calculation, each proven by one count to
    // have λ >= 1.01·min λ.
    std::vector<int> provenHarmonics;
    int firstHarmonic = 0; // the harmonics scanned: every n in between is
    int lastHarmonic = 0;  // calculated or proven
    // The mode of the critical harmonic, per defined shell in row order (v
    // ∝ sin nφ, the others ∝ cos nφ).
    std::vector<BucklingModeShell> mode;
};

// The linear buckling analysis of the load case of `model`: its
// axisymmetric prebuckling state, then the scan over the harmonics
// options.firstHarmonic .. options.lastHarmonic (at most
// maxBucklingHarmonic):
//   - every third harmonic from the first, until λ has stayed above three
//     times the smallest λ so far for five of them (or the range ends);
//   - every harmonic next to the smallest;
//   - for every harmonic left out, one count of the negative pivots of
//     K_n + σ·G_n at σ = 1.01·min λ: none proves λ_n >= σ, any makes it
//     calculated (and may lower the minimum, which repeats the counts).
// Returns false with `error` set when a harmonic cannot be calculated
// (contradicting constraints, a mechanism, missing ring data) or the load
// case has loads around the circumference.
// Precondition: the system and the load case passed their checks.
bool analyseBuckling(const Model& model, const HarmonicInput& input, const BucklingOptions& options,
                     BucklingResult& result, std::string& error);

} // namespace venkar
