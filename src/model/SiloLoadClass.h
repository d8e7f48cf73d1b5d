#pragma once

#include "model/InputContainer.h"

namespace venkar {

// The pressures of a stored bulk solid on the filled vertical wall made of
// the shells fromShell..toShell.
struct SiloLoadRecord {
    int fromShell = 0;
    int toShell = 0;
    double unitWeight = 0.0;        // γ of the bulk solid
    double pressureRatio = 0.0;     // K
    double wallFriction = 0.0;      // μ
    double surfaceDepth = 0.0;      // z of the equivalent surface
    int state = 0;                  // 1 filling, 2 discharge
    double dischargeHoop = 0.0;     // C_h
    double dischargeFriction = 0.0; // C_w
    double reposeAngle = 0.0;       // φ_r in degrees
};

// "SILOLOAD" ("Silolast").
class SiloLoadClass : public ShellRangeTable<SiloLoadRecord> {
public:
    SiloLoadClass() : ShellRangeTable(Document::Load) {}
    const char* keyword() const override { return "SILOLOAD"; }
    // Written only when it has rows.
    bool sectionOptional() const override { return true; }

protected:
    const std::vector<Column<SiloLoadRecord>>& columns() const override;
    // Filling, and the discharge factors of a slender silo.
    void newRowDefaults(int row) override;
    void writeRecord(std::string& out, int row) const override;
    void readRecord(FieldScanner& fields, int row) override;
};

} // namespace venkar
