#pragma once

#include "model/InputContainer.h"

namespace venkar {

// A shell joining two nodes: straight (radius 0) or a circular arc.
struct ShellRecord {
    int startNode = 0; // node row number
    int endNode = 0;
    int curvature = 0; // 0 "Innen" (shorter arc), 1 "Außen" (longer arc)
    double radius = 0.0;
    int material = 0; // material row number
    double discretisationFactor = 0.0;
    int intervals = 0; // output intervals in the reports
    // Working field, not stored in files.
    int firstElement = -1; // index of the shell's first element in the analysis
};

// "SHELLS": the shells of the system.
class ShellClass : public Table<ShellRecord> {
public:
    ShellClass() : Table(Document::System) {}
    const char* keyword() const override { return "SHELLS"; }

protected:
    const std::vector<Column<ShellRecord>>& columns() const override;
    void newRowDefaults(int row) override;
    void writeRecord(std::string& out, int row) const override;
    void readRecord(FieldScanner& fields, int row) override;
};

} // namespace venkar
