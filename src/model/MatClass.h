#pragma once

#include "model/InputContainer.h"

namespace venkar {

struct MatRecord {
    double youngsModulus = 0.0;      // "E-Modul"
    double wallThickness = 0.0;      // "Wanddicke"
    double poissonRatio = 0.0;       // "Querkontraktion"
    double specificWeight = 0.0;     // "Spezifisches Gewicht"
    double beddingModulus = 0.0;     // "Elastische Bettung"
    double thermalCoefficient = 0.0; // "Tem.ausd.Koef"
};

// "MATERIALS": shell materials, referred to by row number.
class MatClass : public Table<MatRecord> {
public:
    MatClass() : Table(Document::System) {}
    const char* keyword() const override { return "MATERIALS"; }

protected:
    const std::vector<Column<MatRecord>>& columns() const override;
    // A new row takes everything but the bedding from the row above.
    void newRowDefaults(int row) override;
    void writeRecord(std::string& out, int row) const override;
    void readRecord(FieldScanner& fields, int row) override;
};

} // namespace venkar
