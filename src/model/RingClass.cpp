#include "model/RingClass.h"

#include "model/Error.h"

#include <cstdio>

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

void RingClass::readRecord(const char* line, int row) {
    RingRecord& r = records_[static_cast<std::size_t>(row)];
    int rowNumber = 0;
    std::sscanf(line, " %d %d %le %le %le %d %d", &rowNumber, &r.node, &r.area, &r.inertia,
                &r.modulus, &r.hingedR, &r.hingedRot);
}

} // namespace venkar
