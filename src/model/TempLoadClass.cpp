#include "model/TempLoadClass.h"

#include "model/Error.h"
#include "model/FieldScanner.h"

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

void TempLoadClass::readRecord(FieldScanner& fields, int row) {
    TempLoadRecord t = records_[static_cast<std::size_t>(row)];
    t.fromShell = fields.integer();
    t.toShell = fields.integer();
    t.uniformTemp = fields.real();
    t.gradientTemp = fields.real();
    fields.finish();
    records_[static_cast<std::size_t>(row)] = t;
}

} // namespace venkar
