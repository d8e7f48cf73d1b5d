#include "model/HingesClass.h"

#include "model/Error.h"
#include "model/FieldScanner.h"

namespace venkar {

const std::vector<Column<HingeRecord>>& HingesClass::columns() const {
    static const std::vector<Column<HingeRecord>> list{
        &HingeRecord::shell, &HingeRecord::xPosition, &HingeRecord::releaseN,
        &HingeRecord::releaseQ, &HingeRecord::releaseM};
    return list;
}

bool HingesClass::setValue(int row, int column, CellValue value) {
    storeField(row, column, value);
    if (column == 1) {
        double& x = records_[static_cast<std::size_t>(row)].xPosition;
        if (x < 0)
            x = 0;
        if (x > 1)
            x = 1;
    }
    return true;
}

void HingesClass::writeRecord(std::string& out, int row) const {
    const HingeRecord& h = records_[static_cast<std::size_t>(row)];
    appendFormat(out, " %d %.14le %d %d %d", h.shell, h.xPosition, h.releaseN, h.releaseQ,
                 h.releaseM);
}

void HingesClass::readRecord(FieldScanner& fields, int row) {
    HingeRecord h = records_[static_cast<std::size_t>(row)];
    h.shell = fields.integer();
    h.xPosition = fields.real();
    h.releaseN = fields.integer();
    h.releaseQ = fields.integer();
    h.releaseM = fields.integer();
    fields.finish();
    records_[static_cast<std::size_t>(row)] = h;
}

} // namespace venkar
