#include "model/WaterLoadClass.h"

#include "model/Error.h"

#include <cstdio>

namespace venkar {

const std::vector<Column<WaterLoadRecord>>& WaterLoadClass::columns() const {
    static const std::vector<Column<WaterLoadRecord>> list{
        &WaterLoadRecord::fromShell, &WaterLoadRecord::toShell, &WaterLoadRecord::zeroLevel,
        &WaterLoadRecord::unitWeight};
    return list;
}

void WaterLoadClass::writeRecord(std::string& out, int row) const {
    const WaterLoadRecord& w = records_[static_cast<std::size_t>(row)];
    appendFormat(out, " %d %d %.14le %.14le", w.fromShell, w.toShell, w.zeroLevel, w.unitWeight);
}

void WaterLoadClass::readRecord(const char* line, int row) {
    WaterLoadRecord& w = records_[static_cast<std::size_t>(row)];
    int rowNumber = 0;
    std::sscanf(line, "%d %d %d %le %le ", &rowNumber, &w.fromShell, &w.toShell, &w.zeroLevel,
                &w.unitWeight);
}

} // namespace venkar
