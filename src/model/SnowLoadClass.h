#pragma once

#include "model/InputContainer.h"

namespace venkar {

// Snow on the shells fromShell..toShell.
struct SnowLoadRecord {
    int fromShell = 0;
    int toShell = 0;
    double amount = 0.0; // "Betrag"
};

// "SNOWLOAD" ("Schneelast").
class SnowLoadClass : public ShellRangeTable<SnowLoadRecord> {
public:
    SnowLoadClass() : ShellRangeTable(Document::Load) {}
    const char* keyword() const override { return "SNOWLOAD"; }

    // Largest |amount| over the defined rows.
    double maxAmount() const;

protected:
    const std::vector<Column<SnowLoadRecord>>& columns() const override;
    void writeRecord(std::string& out, int row) const override;
    void readRecord(FieldScanner& fields, int row) override;
};

} // namespace venkar
