#pragma once

#include "model/InputContainer.h"

namespace venkar {

// A ring load on a shell at a relative position, per unit length of
// circumference.
struct PointLoadRecord {
    int shell = 0;
    double xPosition = 0.0;
    double loadR = 0.0;
    double loadZ = 0.0;
    double loadM = 0.0;
};

// "POINTLOAD" ("Ringlast").
class PointLoadClass : public Table<PointLoadRecord> {
public:
    PointLoadClass() : Table(Document::Load) {}
    const char* keyword() const override { return "POINTLOAD"; }

    double maxForce() const;  // largest sqrt(loadR^2 + loadZ^2)
    double maxMoment() const; // largest |loadM|

protected:
    const std::vector<Column<PointLoadRecord>>& columns() const override;
    void writeRecord(std::string& out, int row) const override;
    void readRecord(FieldScanner& fields, int row) override;
};

} // namespace venkar
