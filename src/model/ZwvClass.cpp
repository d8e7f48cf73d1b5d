#include "model/ZwvClass.h"

#include "model/Error.h"
#include "model/FieldScanner.h"
#include "model/TableMaximum.h"

#include <cmath>

namespace venkar {

const std::vector<Column<ZwvRecord>>& ZwvClass::columns() const {
    static const std::vector<Column<ZwvRecord>> list{&ZwvRecord::node, &ZwvRecord::dispR,
                                                     &ZwvRecord::dispZ, &ZwvRecord::dispRot};
    return list;
}

double ZwvClass::maxDisplacement() const {
    return maximumOverDefinedRows(
        *this, [](const ZwvRecord& d) { return std::sqrt(d.dispR * d.dispR + d.dispZ * d.dispZ); });
}

bool ZwvClass::hasNonzeroComponent(int node, int direction) const {
    for (int row : definedRows()) {
        const ZwvRecord& d = records_[static_cast<std::size_t>(row)];
        if (d.node != node)
            continue;
        const double component = direction == 0 ? d.dispR : direction == 1 ? d.dispZ : d.dispRot;
        if (component != 0.0)
            return true;
    }
    return false;
}

void ZwvClass::writeRecord(std::string& out, int row) const {
    const ZwvRecord& d = records_[static_cast<std::size_t>(row)];
    appendFormat(out, " %d %.14le %.14le %.14le", d.node, d.dispR, d.dispZ, d.dispRot);
}

void ZwvClass::readRecord(FieldScanner& fields, int row) {
    ZwvRecord d = records_[static_cast<std::size_t>(row)];
    d.node = fields.integer();
    d.dispR = fields.real();
    d.dispZ = fields.real();
    d.dispRot = fields.real();
    fields.finish();
    records_[static_cast<std::size_t>(row)] = d;
}

} // namespace venkar
