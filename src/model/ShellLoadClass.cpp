#include "model/ShellLoadClass.h"

#include "model/Error.h"
#include "model/FieldScanner.h"
#include "model/TableMaximum.h"

#include <algorithm>
#include <cmath>

namespace venkar {

const std::vector<Column<ShellLoadRecord>>& ShellLoadClass::columns() const {
    static const std::vector<Column<ShellLoadRecord>> list{
        &ShellLoadRecord::fromShell,         &ShellLoadRecord::toShell,
        &ShellLoadRecord::transverseStart,   &ShellLoadRecord::transverseEnd,
        &ShellLoadRecord::longitudinalStart, &ShellLoadRecord::longitudinalEnd};
    return list;
}

double ShellLoadClass::maxLoadMagnitude() const {
    return maximumOverDefinedRows(*this, [](const ShellLoadRecord& l) {
        return std::max({std::fabs(l.transverseStart), std::fabs(l.transverseEnd),
                         std::fabs(l.longitudinalStart), std::fabs(l.longitudinalEnd)});
    });
}

void ShellLoadClass::writeRecord(std::string& out, int row) const {
    const ShellLoadRecord& l = records_[static_cast<std::size_t>(row)];
    appendFormat(out, " %d %d %.14le %.14le %.14le %.14le", l.fromShell, l.toShell,
                 l.transverseStart, l.transverseEnd, l.longitudinalStart, l.longitudinalEnd);
}

void ShellLoadClass::readRecord(FieldScanner& fields, int row) {
    ShellLoadRecord l = records_[static_cast<std::size_t>(row)];
    l.fromShell = fields.integer();
    l.toShell = fields.integer();
    l.transverseStart = fields.real();
    l.transverseEnd = fields.real();
    l.longitudinalStart = fields.real();
    l.longitudinalEnd = fields.real();
    fields.finish();
    records_[static_cast<std::size_t>(row)] = l;
}

} // namespace venkar
