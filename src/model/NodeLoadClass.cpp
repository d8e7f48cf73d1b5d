#include "model/NodeLoadClass.h"

#include "model/Error.h"
#include "model/FieldScanner.h"
#include "model/TableMaximum.h"

#include <cmath>

namespace venkar {

const std::vector<Column<NodeLoadRecord>>& NodeLoadClass::columns() const {
    static const std::vector<Column<NodeLoadRecord>> list{
        &NodeLoadRecord::node, &NodeLoadRecord::loadR, &NodeLoadRecord::loadZ,
        &NodeLoadRecord::loadM};
    return list;
}

double NodeLoadClass::maxForce() const {
    return maximumOverDefinedRows(*this, [](const NodeLoadRecord& load) {
        return std::sqrt(load.loadR * load.loadR + load.loadZ * load.loadZ);
    });
}

double NodeLoadClass::maxMoment() const {
    return maximumOverDefinedRows(*this,
                                  [](const NodeLoadRecord& load) { return std::fabs(load.loadM); });
}

void NodeLoadClass::writeRecord(std::string& out, int row) const {
    const NodeLoadRecord& l = records_[static_cast<std::size_t>(row)];
    appendFormat(out, " %5d %.14le %.14le %.14le", l.node, l.loadR, l.loadZ, l.loadM);
}

void NodeLoadClass::readRecord(FieldScanner& fields, int row) {
    NodeLoadRecord l = records_[static_cast<std::size_t>(row)];
    l.node = fields.integer();
    l.loadR = fields.real();
    l.loadZ = fields.real();
    l.loadM = fields.real();
    fields.finish();
    records_[static_cast<std::size_t>(row)] = l;
}

} // namespace venkar
