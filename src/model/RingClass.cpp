#include "model/RingClass.h"

#include "model/Error.h"
#include "model/FieldScanner.h"

namespace venkar {

const std::vector<Column<RingRecord>>& RingClass::columns() const {
    static const std::vector<Column<RingRecord>> list{&RingRecord::node,    &RingRecord::area,
                                                      &RingRecord::inertia, &RingRecord::modulus,
                                                      &RingRecord::hingedR, &RingRecord::hingedRot};
    return list;
}

void RingClass::writeRecord(std::string& out, int row) const {
    const RingRecord& r = records_[static_cast<std::size_t>(row)];
    // Inertia and modulus keep all digits like every other double. The last
    // flag is written with precision 0: a 0 leaves only the blank.
    appendFormat(out, " %d %.14le %.14le %.14le %d %.d", r.node, r.area, r.inertia, r.modulus,
                 r.hingedR, r.hingedRot);
}

void RingClass::readRecord(FieldScanner& fields, int row) {
    RingRecord r = records_[static_cast<std::size_t>(row)];
    r.node = fields.integer();
    r.area = fields.real();
    r.inertia = fields.real();
    r.modulus = fields.real();
    r.hingedR = fields.integer();
    // A 0 is written as nothing but the blank.
    r.hingedRot = fields.atEnd() ? 0 : fields.integer();
    fields.finish();
    records_[static_cast<std::size_t>(row)] = r;
}

} // namespace venkar
