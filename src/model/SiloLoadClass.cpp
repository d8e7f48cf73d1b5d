#include "model/SiloLoadClass.h"

#include "model/Error.h"
#include "model/FieldScanner.h"

namespace venkar {

const std::vector<Column<SiloLoadRecord>>& SiloLoadClass::columns() const {
    static const std::vector<Column<SiloLoadRecord>> list{&SiloLoadRecord::fromShell,
                                                          &SiloLoadRecord::toShell,
                                                          &SiloLoadRecord::unitWeight,
                                                          &SiloLoadRecord::pressureRatio,
                                                          &SiloLoadRecord::wallFriction,
                                                          &SiloLoadRecord::surfaceDepth,
                                                          &SiloLoadRecord::state,
                                                          &SiloLoadRecord::dischargeHoop,
                                                          &SiloLoadRecord::dischargeFriction,
                                                          &SiloLoadRecord::reposeAngle};
    return list;
}

void SiloLoadClass::newRowDefaults(int row) {
    SiloLoadRecord& s = records_[static_cast<std::size_t>(row)];
    if (s.state == 0)
        s.state = 1;
    if (s.dischargeHoop == 0.0)
        s.dischargeHoop = 1.15;
    if (s.dischargeFriction == 0.0)
        s.dischargeFriction = 1.1;
}

void SiloLoadClass::writeRecord(std::string& out, int row) const {
    const SiloLoadRecord& s = records_[static_cast<std::size_t>(row)];
    appendFormat(out, " %d %d %.14le %.14le %.14le %.14le %d %.14le %.14le %.14le", s.fromShell,
                 s.toShell, s.unitWeight, s.pressureRatio, s.wallFriction, s.surfaceDepth, s.state,
                 s.dischargeHoop, s.dischargeFriction, s.reposeAngle);
}

void SiloLoadClass::readRecord(FieldScanner& fields, int row) {
    SiloLoadRecord s = records_[static_cast<std::size_t>(row)];
    s.fromShell = fields.integer();
    s.toShell = fields.integer();
    s.unitWeight = fields.real();
    s.pressureRatio = fields.real();
    s.wallFriction = fields.real();
    s.surfaceDepth = fields.real();
    s.state = fields.integer();
    s.dischargeHoop = fields.real();
    s.dischargeFriction = fields.real();
    s.reposeAngle = fields.real();
    fields.finish();
    records_[static_cast<std::size_t>(row)] = s;
}

} // namespace venkar
