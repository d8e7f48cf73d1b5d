#pragma once

#include "model/ColumnTable.h"

namespace venkar {

// Line loads of harmonic n at a node per unit length of circumference, like
// a node load: Fr, Fz and M ∝ cos n(φ - φₙ), Fv ∝ sin n(φ - φₙ).
struct HarmonicNodeLoadRecord {
    int node = 0;
    int harmonic = 0;
    double forceR = 0.0;
    double forceZ = 0.0;
    double forceV = 0.0;
    double moment = 0.0;
    double phase = 0.0; // φₙ in degrees
};

// "HARMONICNODELOAD" ("Umfangs-Knotenlast")
class HarmonicNodeLoadClass : public ColumnTable<HarmonicNodeLoadRecord> {
public:
    HarmonicNodeLoadClass() : ColumnTable(Document::Load) {}
    const char* keyword() const override { return "HARMONICNODELOAD"; }

protected:
    const std::vector<Column<HarmonicNodeLoadRecord>>& columns() const override {
        static const std::vector<Column<HarmonicNodeLoadRecord>> list{
            &HarmonicNodeLoadRecord::node,   &HarmonicNodeLoadRecord::harmonic,
            &HarmonicNodeLoadRecord::forceR, &HarmonicNodeLoadRecord::forceZ,
            &HarmonicNodeLoadRecord::forceV, &HarmonicNodeLoadRecord::moment,
            &HarmonicNodeLoadRecord::phase};
        return list;
    }
};

} // namespace venkar
