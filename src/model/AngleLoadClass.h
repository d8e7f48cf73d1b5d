#pragma once

#include "model/ColumnTable.h"

namespace venkar {

// A force at one place of the circle of a node (not on the axis): at the
// angle φ₀, as a point (width 0) or spread evenly over the width; whole
// forces, not per unit length.
struct AngleLoadRecord {
    int node = 0;
    double angle = 0.0; // φ₀ in degrees
    double width = 0.0; // degrees
    double forceR = 0.0;
    double forceZ = 0.0;
};

// "ANGLELOAD" ("Einzellast am Umfang")
class AngleLoadClass : public ColumnTable<AngleLoadRecord> {
public:
    AngleLoadClass() : ColumnTable(Document::Load) {}
    const char* keyword() const override { return "ANGLELOAD"; }

protected:
    const std::vector<Column<AngleLoadRecord>>& columns() const override {
        static const std::vector<Column<AngleLoadRecord>> list{
            &AngleLoadRecord::node, &AngleLoadRecord::angle, &AngleLoadRecord::width,
            &AngleLoadRecord::forceR, &AngleLoadRecord::forceZ};
        return list;
    }
};

} // namespace venkar
