#pragma once

#include "model/InputContainer.h"

namespace venkar {

// A ring beam at a node.
struct RingRecord {
    int node = 0;         // node row number
    double area = 0.0;    // "A"
    double inertia = 0.0; // "Iy"
    double modulus = 0.0; // "E-Modul"
    int hingedR = 0;      // 1: hinged connection in r
    int hingedRot = 0;    // 1: hinged connection in rotation
};

// "RINGS": ring beams.
class RingClass : public Table<RingRecord> {
public:
    RingClass() : Table(Document::System) {}
    const char* keyword() const override { return "RINGS"; }

protected:
    const std::vector<Column<RingRecord>>& columns() const override;
    void writeRecord(std::string& out, int row) const override;
    void readRecord(FieldScanner& fields, int row) override;
};

} // namespace venkar
