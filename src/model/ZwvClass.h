#pragma once

#include "model/InputContainer.h"

namespace venkar {

// A prescribed ("Zwangs-") displacement of a node.
struct ZwvRecord {
    int node = 0;
    double dispR = 0.0;
    double dispZ = 0.0;
    double dispRot = 0.0;
};

// "CONSTRAINTLOAD" ("Zwgv").
class ZwvClass : public Table<ZwvRecord> {
public:
    ZwvClass() : Table(Document::Load) {}
    const char* keyword() const override { return "CONSTRAINTLOAD"; }

    // Largest sqrt(dispR^2 + dispZ^2) over the defined rows.
    double maxDisplacement() const;
    // True when a defined row for node number `node` has a nonzero
    // component in `direction` (0: r, 1: z, 2: rotation).
    bool hasNonzeroComponent(int node, int direction) const;

protected:
    const std::vector<Column<ZwvRecord>>& columns() const override;
    void writeRecord(std::string& out, int row) const override;
    void readRecord(FieldScanner& fields, int row) override;
};

} // namespace venkar
