#pragma once

#include "model/InputContainer.h"

namespace venkar {

// Cached construction of a shell's meridian, built and read by the shell
// geometry (plain numbers: the model knows nothing of the geometry types).
// `ready` is set only for a circular arc and is cleared by every edit of the
// shell or of its nodes through the tables; straight shells (and arcs whose
// radius is shorter than half the chord) are recomputed on every use.
struct ShellGeometryCache {
    bool ready = false;     // centre and meridianAngle hold the arc construction
    double halfChord = 0.0; // half the distance start-end
    double centreR = 0.0;   // centre of the arc
    double centreZ = 0.0;
    double meridianAngle = 0.0; // arc: half the opening angle; straight: chord direction
};

// A shell joining two nodes: straight (radius 0) or a circular arc.
struct ShellRecord {
    int startNode = 0; // node row number
    int endNode = 0;
    int curvature = 0; // 0 "Innen" (shorter arc), 1 "Außen" (longer arc)
    double radius = 0.0;
    int material = 0; // material row number
    double discretisationFactor = 0.0;
    int intervals = 0; // output intervals in the reports
    // Working fields, not stored in files. The geometry cache is filled
    // lazily while a shell is read, hence mutable; the braces keep
    // designated initialisers of the record free of warnings.
    mutable ShellGeometryCache geometry{};
    int firstElement = -1; // index of the shell's first element in the analysis
};

// "SHELLS": the shells of the system.
class ShellClass : public Table<ShellRecord> {
public:
    ShellClass() : Table(Document::System) {}
    const char* keyword() const override { return "SHELLS"; }

    // Marks the geometry of every shell that starts or ends at node number
    // `nodeNumber` for rebuilding.
    void invalidateGeometryAtNode(int nodeNumber);
    void invalidateAllGeometry();

protected:
    const std::vector<Column<ShellRecord>>& columns() const override;
    bool setValue(int row, int column, CellValue value) override;
    void newRowDefaults(int row) override;
    void writeRecord(std::string& out, int row) const override;
    void readRecord(FieldScanner& fields, int row) override;
};

} // namespace venkar
