#pragma once

#include "model/InputContainer.h"

namespace venkar {

// The patch load of a thin-walled circular silo on the wall of one silo load
// row: a band around the wall whose pressure varies as cos θ.
struct SiloPatchRecord {
    int siloRow = 0;           // the wall's row of the silo load table (1-based)
    double patchDepth = 0.0;   // z_p of the band's centre below the equivalent surface; 0: default
    double patchFactor = 0.0;  // C_op
    double eccentricity = 0.0; // e_f
};

// "SILOPATCH" ("Teilflächenlast").
class SiloPatchClass : public Table<SiloPatchRecord> {
public:
    SiloPatchClass() : Table(Document::Load) {}
    const char* keyword() const override { return "SILOPATCH"; }
    // Written only when it has rows.
    bool sectionOptional() const override { return true; }

protected:
    const std::vector<Column<SiloPatchRecord>>& columns() const override;
    void writeRecord(std::string& out, int row) const override;
    void readRecord(FieldScanner& fields, int row) override;
};

} // namespace venkar
