#pragma once

#include "model/InputContainer.h"

namespace venkar {

// A node of the meridian section with its supports.
struct NodeRecord {
    double r = 0.0;         // radial coordinate, >= 0
    double z = 0.0;         // axial coordinate, pointing down
    int supportR = 0;       // 1: fixed in r ("J")
    int supportZ = 0;       // 1: fixed in z
    int supportRot = 0;     // 1: rotation fixed
    double skewAngle = 0.0; // inclination of the support, degrees
    // Working field of the analysis: index of the node's analysis node, -1
    // when the node is not used. Not stored in files.
    int calcNode = -1;
};

// "NODES": the nodes of the system.
class NodeClass : public Table<NodeRecord> {
public:
    NodeClass() : Table(Document::System) {}
    const char* keyword() const override { return "NODES"; }

protected:
    const std::vector<Column<NodeRecord>>& columns() const override;
    // A negative r is refused.
    bool setValue(int row, int column, CellValue value) override;
    void writeRecord(std::string& out, int row) const override;
    void readRecord(FieldScanner& fields, int row) override;
};

} // namespace venkar
