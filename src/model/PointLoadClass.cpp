#include "model/PointLoadClass.h"

#include "model/Error.h"
#include "model/TableMaximum.h"

#include <cmath>
#include <cstdio>

namespace venkar {

const std::vector<Column<PointLoadRecord>>& PointLoadClass::columns() const {
    static const std::vector<Column<PointLoadRecord>> list{
        &PointLoadRecord::shell, &PointLoadRecord::xPosition, &PointLoadRecord::loadR,
        &PointLoadRecord::loadZ, &PointLoadRecord::loadM};
    return list;
}

double PointLoadClass::maxForce() const {
    return maximumOverDefinedRows(*this, [](const PointLoadRecord& load) {
        return std::sqrt(load.loadR * load.loadR + load.loadZ * load.loadZ);
    });
}

double PointLoadClass::maxMoment() const {
    return maximumOverDefinedRows(
        *this, [](const PointLoadRecord& load) { return std::fabs(load.loadM); });
}

void PointLoadClass::writeRecord(std::string& out, int row) const {
    const PointLoadRecord& l = records_[static_cast<std::size_t>(row)];
    appendFormat(out, " %d %.14le %.14le %.14le %.14le", l.shell, l.xPosition, l.loadR, l.loadZ,
                 l.loadM);
}

void PointLoadClass::readRecord(const char* line, int row) {
    PointLoadRecord& l = records_[static_cast<std::size_t>(row)];
    int rowNumber = 0;
    std::sscanf(line, "%d %d %le %le %le %le", &rowNumber, &l.shell, &l.xPosition, &l.loadR,
                &l.loadZ, &l.loadM);
}

} // namespace venkar
