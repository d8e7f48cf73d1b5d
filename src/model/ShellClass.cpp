#include "model/ShellClass.h"

#include "model/Error.h"

#include <cstdio>

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

void ShellClass::readRecord(const char* line, int row) {
    ShellRecord& s = records_[static_cast<std::size_t>(row)];
    int rowNumber = 0;
    std::sscanf(line, "%d %d %d %d %le %d %le %d", &rowNumber, &s.startNode, &s.endNode,
                &s.curvature, &s.radius, &s.material, &s.discretisationFactor, &s.intervals);
}

} // namespace venkar
