#pragma once

#include "model/InputContainer.h"

namespace venkar {

// The pressures of the bulk solid on a conical hopper made of the shells
// fromShell..toShell below a filled wall; the solid, its state and K come
// from the wall's silo load row.
struct HopperLoadRecord {
    int fromShell = 0;
    int toShell = 0;
    double hopperFriction = 0.0;   // μ_h
    double factorB = 0.0;          // b
    double bottomMagnifier = 0.0;  // C_b
    double internalFriction = 0.0; // φ_i in degrees
};

// "HOPPERLOAD" ("Trichterlast").
class HopperLoadClass : public ShellRangeTable<HopperLoadRecord> {
public:
    HopperLoadClass() : ShellRangeTable(Document::Load) {}
    const char* keyword() const override { return "HOPPERLOAD"; }
    // Written only when it has rows.
    bool sectionOptional() const override { return true; }

protected:
    const std::vector<Column<HopperLoadRecord>>& columns() const override;
    // b = 0.2 and C_b = 1.
    void newRowDefaults(int row) override;
    void writeRecord(std::string& out, int row) const override;
    void readRecord(FieldScanner& fields, int row) override;
};

} // namespace venkar
