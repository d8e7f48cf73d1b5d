#pragma once

#include "model/InputContainer.h"

namespace venkar {

// Water pressure (z - zeroLevel) * unitWeight on the shells fromShell..toShell.
struct WaterLoadRecord {
    int fromShell = 0;
    int toShell = 0;
    double zeroLevel = 0.0;  // "Nullpunkt": z of the water surface
    double unitWeight = 0.0; // "Wichte Gamma"
};

// "WATERLOAD" ("Wasserdruck").
class WaterLoadClass : public ShellRangeTable<WaterLoadRecord> {
public:
    WaterLoadClass() : ShellRangeTable(Document::Load) {}
    const char* keyword() const override { return "WATERLOAD"; }

protected:
    const std::vector<Column<WaterLoadRecord>>& columns() const override;
    void writeRecord(std::string& out, int row) const override;
    void readRecord(FieldScanner& fields, int row) override;
};

} // namespace venkar
