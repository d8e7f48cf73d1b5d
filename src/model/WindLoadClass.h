#pragma once

#include "model/ColumnTable.h"

namespace venkar {

// Wind on a shell: the velocity pressure q, linear from the shell's start to
// its end, times the pressure coefficient c_p of the angle around the
// circumference, normal to the wall.
struct WindLoadRecord {
    int shell = 0; // shell row number
    double pressureStart = 0.0;
    double pressureEnd = 0.0;
};

// "WINDLOAD" ("Windlast")
class WindLoadClass : public ColumnTable<WindLoadRecord> {
public:
    WindLoadClass() : ColumnTable(Document::Load) {}
    const char* keyword() const override { return "WINDLOAD"; }

protected:
    const std::vector<Column<WindLoadRecord>>& columns() const override {
        static const std::vector<Column<WindLoadRecord>> list{
            &WindLoadRecord::shell, &WindLoadRecord::pressureStart, &WindLoadRecord::pressureEnd};
        return list;
    }
};

} // namespace venkar
