#pragma once

#include "model/InputContainer.h"

namespace venkar {

// Loads at a node, per unit length of circumference.
struct NodeLoadRecord {
    int node = 0; // node row number
    double loadR = 0.0;
    double loadZ = 0.0;
    double loadM = 0.0;
};

// "NODELOAD" ("Knotenlast").
class NodeLoadClass : public Table<NodeLoadRecord> {
public:
    NodeLoadClass() : Table(Document::Load) {}
    const char* keyword() const override { return "NODELOAD"; }

    // Largest sqrt(loadR^2 + loadZ^2) over the defined rows, 0 when none.
    double maxForce() const;
    // Largest |loadM| over the defined rows.
    double maxMoment() const;

protected:
    const std::vector<Column<NodeLoadRecord>>& columns() const override;
    void writeRecord(std::string& out, int row) const override;
    void readRecord(FieldScanner& fields, int row) override;
};

} // namespace venkar
