#include "model/ShellClass.h"

#include "model/Error.h"
#include "model/FieldScanner.h"

namespace venkar {

const std::vector<Column<ShellRecord>>& ShellClass::columns() const {
    // Grid order; the files keep the record order.
    static const std::vector<Column<ShellRecord>> list{
        &ShellRecord::startNode, &ShellRecord::endNode, &ShellRecord::material,
        &ShellRecord::curvature, &ShellRecord::radius,  &ShellRecord::discretisationFactor,
        &ShellRecord::intervals};
    return list;
}

void ShellClass::newRowDefaults(int row) {
    ShellRecord& shell = records_[static_cast<std::size_t>(row)];
    if (row > 0)
        shell.material = records_[static_cast<std::size_t>(row - 1)].material;
    if (shell.material == 0)
        shell.material = 1;
    if (shell.discretisationFactor == 0.0)
        shell.discretisationFactor = 1.0;
    if (shell.intervals == 0)
        shell.intervals = 1;
}

void ShellClass::writeRecord(std::string& out, int row) const {
    const ShellRecord& s = records_[static_cast<std::size_t>(row)];
    appendFormat(out, " %d %d %d %.14le %d %.14le %d", s.startNode, s.endNode, s.curvature,
                 s.radius, s.material, s.discretisationFactor, s.intervals);
}

void ShellClass::readRecord(FieldScanner& fields, int row) {
    ShellRecord s = records_[static_cast<std::size_t>(row)];
    s.startNode = fields.integer();
    s.endNode = fields.integer();
    s.curvature = fields.integer();
    s.radius = fields.real();
    s.material = fields.integer();
    s.discretisationFactor = fields.real();
    s.intervals = fields.integer();
    fields.finish();
    records_[static_cast<std::size_t>(row)] = s;
}

} // namespace venkar
