#pragma once

#include "model/ColumnTable.h"

namespace venkar {

// A surface load of harmonic n on a shell, linear from its start to its end:
// normal (along the element normal, as a surface load's "Querrichtung") and
// meridional ∝ cos n(φ - φₙ), circumferential ∝ sin n(φ - φₙ) (uniform, a
// torsion load, at n = 0).
struct HarmonicLoadRecord {
    int shell = 0;
    int harmonic = 0; // n
    double normalStart = 0.0;
    double normalEnd = 0.0;
    double meridionalStart = 0.0;
    double meridionalEnd = 0.0;
    double circumferentialStart = 0.0;
    double circumferentialEnd = 0.0;
    double phase = 0.0; // φₙ in degrees
};

// "HARMONICLOAD" ("Umfangslast")
class HarmonicLoadClass : public ColumnTable<HarmonicLoadRecord> {
public:
    HarmonicLoadClass() : ColumnTable(Document::Load) {}
    const char* keyword() const override { return "HARMONICLOAD"; }

protected:
    const std::vector<Column<HarmonicLoadRecord>>& columns() const override {
        static const std::vector<Column<HarmonicLoadRecord>> list{
            &HarmonicLoadRecord::shell,
            &HarmonicLoadRecord::harmonic,
            &HarmonicLoadRecord::normalStart,
            &HarmonicLoadRecord::normalEnd,
            &HarmonicLoadRecord::meridionalStart,
            &HarmonicLoadRecord::meridionalEnd,
            &HarmonicLoadRecord::circumferentialStart,
            &HarmonicLoadRecord::circumferentialEnd,
            &HarmonicLoadRecord::phase};
        return list;
    }
};

} // namespace venkar
