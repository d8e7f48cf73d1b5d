#include "model/NodeClass.h"

#include "model/Error.h"

#include <cstdio>

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

void NodeClass::readRecord(const char* line, int row) {
    NodeRecord& n = records_[static_cast<std::size_t>(row)];
    int rowNumber = 0;
    std::sscanf(line, " %d %le %le %d %d %d %le", &rowNumber, &n.r, &n.z, &n.supportR, &n.supportZ,
                &n.supportRot, &n.skewAngle);
}

} // namespace venkar
