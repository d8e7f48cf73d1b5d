#include "model/SiloPatchClass.h"

#include "model/Error.h"
#include "model/FieldScanner.h"

namespace venkar {

const std::vector<Column<SiloPatchRecord>>& SiloPatchClass::columns() const {
    static const std::vector<Column<SiloPatchRecord>> list{
        &SiloPatchRecord::siloRow, &SiloPatchRecord::patchDepth, &SiloPatchRecord::patchFactor,
        &SiloPatchRecord::eccentricity};
    return list;
}

void SiloPatchClass::writeRecord(std::string& out, int row) const {
    const SiloPatchRecord& p = records_[static_cast<std::size_t>(row)];
    appendFormat(out, " %d %.14le %.14le %.14le", p.siloRow, p.patchDepth, p.patchFactor,
                 p.eccentricity);
}

void SiloPatchClass::readRecord(FieldScanner& fields, int row) {
    SiloPatchRecord p = records_[static_cast<std::size_t>(row)];
    p.siloRow = fields.integer();
    p.patchDepth = fields.real();
    p.patchFactor = fields.real();
    p.eccentricity = fields.real();
    fields.finish();
    records_[static_cast<std::size_t>(row)] = p;
}

} // namespace venkar
