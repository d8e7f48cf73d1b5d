#include "model/PointLoadClass.h"

#include "model/Error.h"
#include "model/FieldScanner.h"
#include "model/TableMaximum.h"

#include <cmath>

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

void PointLoadClass::readRecord(FieldScanner& fields, int row) {
    PointLoadRecord l = records_[static_cast<std::size_t>(row)];
    l.shell = fields.integer();
    l.xPosition = fields.real();
    l.loadR = fields.real();
    l.loadZ = fields.real();
    l.loadM = fields.real();
    fields.finish();
    records_[static_cast<std::size_t>(row)] = l;
}

} // namespace venkar
