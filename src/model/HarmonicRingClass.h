#pragma once

#include "model/ColumnTable.h"

namespace venkar {

// What a ring beam needs beyond A, Iy and E once a load around the
// circumference bends it out of its circle.
struct HarmonicRingRecord {
    int ring = 0;                 // ring row number
    double inertiaZ = 0.0;        // "Iz": in-plane bending (fibres offset radially)
    double torsionConstant = 0.0; // "It"
    double shearModulus = 0.0;    // "G"
};

// "HARMONICRINGS": the section of ring beams out of their circle ("Ringquerschnitt")
class HarmonicRingClass : public ColumnTable<HarmonicRingRecord> {
public:
    HarmonicRingClass() : ColumnTable(Document::System) {}
    const char* keyword() const override { return "HARMONICRINGS"; }

protected:
    const std::vector<Column<HarmonicRingRecord>>& columns() const override {
        static const std::vector<Column<HarmonicRingRecord>> list{
            &HarmonicRingRecord::ring, &HarmonicRingRecord::inertiaZ,
            &HarmonicRingRecord::torsionConstant, &HarmonicRingRecord::shearModulus};
        return list;
    }
};

} // namespace venkar
