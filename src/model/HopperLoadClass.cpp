#include "model/HopperLoadClass.h"

#include "model/Error.h"
#include "model/FieldScanner.h"

namespace venkar {

const std::vector<Column<HopperLoadRecord>>& HopperLoadClass::columns() const {
    static const std::vector<Column<HopperLoadRecord>> list{
        &HopperLoadRecord::fromShell,       &HopperLoadRecord::toShell,
        &HopperLoadRecord::hopperFriction,  &HopperLoadRecord::factorB,
        &HopperLoadRecord::bottomMagnifier, &HopperLoadRecord::internalFriction};
    return list;
}

void HopperLoadClass::newRowDefaults(int row) {
    HopperLoadRecord& h = records_[static_cast<std::size_t>(row)];
    if (h.factorB == 0.0)
        h.factorB = 0.2;
    if (h.bottomMagnifier == 0.0)
        h.bottomMagnifier = 1.0;
}

void HopperLoadClass::writeRecord(std::string& out, int row) const {
    const HopperLoadRecord& h = records_[static_cast<std::size_t>(row)];
    appendFormat(out, " %d %d %.14le %.14le %.14le %.14le", h.fromShell, h.toShell,
                 h.hopperFriction, h.factorB, h.bottomMagnifier, h.internalFriction);
}

void HopperLoadClass::readRecord(FieldScanner& fields, int row) {
    HopperLoadRecord h = records_[static_cast<std::size_t>(row)];
    h.fromShell = fields.integer();
    h.toShell = fields.integer();
    h.hopperFriction = fields.real();
    h.factorB = fields.real();
    h.bottomMagnifier = fields.real();
    h.internalFriction = fields.real();
    fields.finish();
    records_[static_cast<std::size_t>(row)] = h;
}

} // namespace venkar
