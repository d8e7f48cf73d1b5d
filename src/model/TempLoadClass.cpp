#include "model/TempLoadClass.h"

#include "model/Error.h"

#include <cstdio>

namespace venkar {

const std::vector<Column<TempLoadRecord>>& TempLoadClass::columns() const {
    static const std::vector<Column<TempLoadRecord>> list{
        &TempLoadRecord::fromShell, &TempLoadRecord::toShell, &TempLoadRecord::uniformTemp,
        &TempLoadRecord::gradientTemp};
    return list;
}

void TempLoadClass::writeRecord(std::string& out, int row) const {
    const TempLoadRecord& t = records_[static_cast<std::size_t>(row)];
    appendFormat(out, " %d %d %.14le %.14le", t.fromShell, t.toShell, t.uniformTemp,
                 t.gradientTemp);
}

void TempLoadClass::readRecord(const char* line, int row) {
    TempLoadRecord& t = records_[static_cast<std::size_t>(row)];
    int rowNumber = 0;
    std::sscanf(line, "%d %d %d %le %le", &rowNumber, &t.fromShell, &t.toShell, &t.uniformTemp,
                &t.gradientTemp);
}

} // namespace venkar
