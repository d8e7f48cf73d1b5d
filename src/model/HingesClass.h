#pragma once

#include "model/InputContainer.h"

namespace venkar {

// A hinge line inside a shell.
struct HingeRecord {
    int shell = 0;          // shell row number
    double xPosition = 0.0; // relative position along the meridian, in [0, 1]
    int releaseN = 0;       // 1: the force is released at the hinge
    int releaseQ = 0;
    int releaseM = 0;
};

// "HINGES": hinges inside shells.
class HingesClass : public Table<HingeRecord> {
public:
    HingesClass() : Table(Document::System) {}
    const char* keyword() const override { return "HINGES"; }

protected:
    const std::vector<Column<HingeRecord>>& columns() const override;
    // The x-position is clamped to [0, 1].
    bool setValue(int row, int column, CellValue value) override;
    void writeRecord(std::string& out, int row) const override;
    void readRecord(FieldScanner& fields, int row) override;
};

} // namespace venkar
