#include "model/SnowLoadClass.h"

#include "model/Error.h"
#include "model/FieldScanner.h"
#include "model/TableMaximum.h"

#include <cmath>

namespace venkar {

const std::vector<Column<SnowLoadRecord>>& SnowLoadClass::columns() const {
    static const std::vector<Column<SnowLoadRecord>> list{
        &SnowLoadRecord::fromShell, &SnowLoadRecord::toShell, &SnowLoadRecord::amount};
    return list;
}

double SnowLoadClass::maxAmount() const {
    return maximumOverDefinedRows(*this,
                                  [](const SnowLoadRecord& s) { return std::fabs(s.amount); });
}

void SnowLoadClass::writeRecord(std::string& out, int row) const {
    const SnowLoadRecord& s = records_[static_cast<std::size_t>(row)];
    appendFormat(out, " %d %d %.14le", s.fromShell, s.toShell, s.amount);
}

void SnowLoadClass::readRecord(FieldScanner& fields, int row) {
    SnowLoadRecord s = records_[static_cast<std::size_t>(row)];
    s.fromShell = fields.integer();
    s.toShell = fields.integer();
    s.amount = fields.real();
    fields.finish();
    records_[static_cast<std::size_t>(row)] = s;
}

} // namespace venkar
