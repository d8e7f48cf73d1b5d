#include "model/MatClass.h"

#include "model/Error.h"
#include "model/FieldScanner.h"

namespace venkar {

const std::vector<Column<MatRecord>>& MatClass::columns() const {
    static const std::vector<Column<MatRecord>> list{
        &MatRecord::youngsModulus,  &MatRecord::wallThickness,  &MatRecord::poissonRatio,
        &MatRecord::specificWeight, &MatRecord::beddingModulus, &MatRecord::thermalCoefficient};
    return list;
}

void MatClass::newRowDefaults(int row) {
    if (row == 0)
        return;
    MatRecord& m = records_[static_cast<std::size_t>(row)];
    const MatRecord& above = records_[static_cast<std::size_t>(row - 1)];
    m.youngsModulus = above.youngsModulus;
    m.wallThickness = above.wallThickness;
    m.poissonRatio = above.poissonRatio;
    m.specificWeight = above.specificWeight;
    m.thermalCoefficient = above.thermalCoefficient;
}

void MatClass::writeRecord(std::string& out, int row) const {
    const MatRecord& m = records_[static_cast<std::size_t>(row)];
    appendFormat(out, " %.14le %.14le %.14le %.14le %.14le %.14le", m.youngsModulus,
                 m.wallThickness, m.poissonRatio, m.specificWeight, m.beddingModulus,
                 m.thermalCoefficient);
}

void MatClass::readRecord(FieldScanner& fields, int row) {
    MatRecord m = records_[static_cast<std::size_t>(row)];
    m.youngsModulus = fields.real();
    m.wallThickness = fields.real();
    m.poissonRatio = fields.real();
    m.specificWeight = fields.real();
    m.beddingModulus = fields.real();
    m.thermalCoefficient = fields.real();
    fields.finish();
    records_[static_cast<std::size_t>(row)] = m;
}

} // namespace venkar
