#pragma once

#include "model/ColumnTable.h"

namespace venkar {

// A point of the pressure coefficient over the angle from the windward
// meridian (0°) to the leeward one (180°); linear between the points,
// symmetric about 0°.
struct WindCoefficientRecord {
    double angle = 0.0;       // degrees
    double coefficient = 0.0; // c_p
};

// "WINDCOEFFICIENTS" ("Druckbeiwerte")
class WindCoefficientClass : public ColumnTable<WindCoefficientRecord> {
public:
    WindCoefficientClass() : ColumnTable(Document::Load) {}
    const char* keyword() const override { return "WINDCOEFFICIENTS"; }

protected:
    const std::vector<Column<WindCoefficientRecord>>& columns() const override {
        static const std::vector<Column<WindCoefficientRecord>> list{
            &WindCoefficientRecord::angle, &WindCoefficientRecord::coefficient};
        return list;
    }
};

} // namespace venkar
