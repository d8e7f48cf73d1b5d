#pragma once

#include "model/InputContainer.h"

namespace venkar {

// A temperature load on the shells fromShell..toShell.
struct TempLoadRecord {
    int fromShell = 0;
    int toShell = 0;
    double uniformTemp = 0.0;  // "Gleichmässige"
    double gradientTemp = 0.0; // "Ungleichmässige"
};

// "TEMPERATURE" ("Temperatur").
class TempLoadClass : public ShellRangeTable<TempLoadRecord> {
public:
    TempLoadClass() : ShellRangeTable(Document::Load) {}
    const char* keyword() const override { return "TEMPERATURE"; }

protected:
    const std::vector<Column<TempLoadRecord>>& columns() const override;
    void writeRecord(std::string& out, int row) const override;
    void readRecord(FieldScanner& fields, int row) override;
};

} // namespace venkar
