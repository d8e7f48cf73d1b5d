#include "model/NodeClass.h"

#include "model/Error.h"
#include "model/FieldScanner.h"

namespace venkar {

const std::vector<Column<NodeRecord>>& NodeClass::columns() const {
    static const std::vector<Column<NodeRecord>> list{
        &NodeRecord::r,        &NodeRecord::z,          &NodeRecord::supportR,
        &NodeRecord::supportZ, &NodeRecord::supportRot, &NodeRecord::skewAngle};
    return list;
}

bool NodeClass::setValue(int row, int column, CellValue value) {
    if (column == 0 && cellAsDouble(value) < 0)
        return false;
    storeField(row, column, value);
    return true;
}

void NodeClass::writeRecord(std::string& out, int row) const {
    const NodeRecord& n = records_[static_cast<std::size_t>(row)];
    appendFormat(out, " %.14le %.14le %d %d %d %.14le", n.r, n.z, n.supportR, n.supportZ,
                 n.supportRot, n.skewAngle);
}

void NodeClass::readRecord(FieldScanner& fields, int row) {
    NodeRecord n = records_[static_cast<std::size_t>(row)];
    n.r = fields.real();
    n.z = fields.real();
    n.supportR = fields.integer();
    n.supportZ = fields.integer();
    n.supportRot = fields.integer();
    n.skewAngle = fields.real();
    fields.finish();
    records_[static_cast<std::size_t>(row)] = n;
}

} // namespace venkar
