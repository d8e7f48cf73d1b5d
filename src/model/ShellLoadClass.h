#pragma once

#include "model/InputContainer.h"

namespace venkar {

// A surface load on the shells fromShell..toShell, varying from the start to
// the end of each shell.
struct ShellLoadRecord {
    int fromShell = 0;
    int toShell = 0;
    double transverseStart = 0.0;   // "Querrichtung" "Anfang"
    double transverseEnd = 0.0;     // "Querrichtung" "Ende"
    double longitudinalStart = 0.0; // "Längsrichtung" "Anfang"
    double longitudinalEnd = 0.0;   // "Längsrichtung" "Ende"
};

// "SHELLLOAD" ("Flächenlast").
class ShellLoadClass : public ShellRangeTable<ShellLoadRecord> {
public:
    ShellLoadClass() : ShellRangeTable(Document::Load) {}
    const char* keyword() const override { return "SHELLLOAD"; }

    // Largest of the four absolute values over the defined rows.
    double maxLoadMagnitude() const;

protected:
    const std::vector<Column<ShellLoadRecord>>& columns() const override;
    void writeRecord(std::string& out, int row) const override;
    void readRecord(FieldScanner& fields, int row) override;
};

} // namespace venkar
