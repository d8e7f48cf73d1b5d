#include "model/WaterLoadClass.h"

#include "model/Error.h"
#include "model/FieldScanner.h"

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

void WaterLoadClass::readRecord(FieldScanner& fields, int row) {
    WaterLoadRecord w = records_[static_cast<std::size_t>(row)];
    w.fromShell = fields.integer();
    w.toShell = fields.integer();
    w.zeroLevel = fields.real();
    w.unitWeight = fields.real();
    fields.finish();
    records_[static_cast<std::size_t>(row)] = w;
}

} // namespace venkar
