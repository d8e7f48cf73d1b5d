#pragma once

#include "model/Error.h"
#include "model/FieldScanner.h"
#include "model/InputContainer.h"

namespace venkar {

// A table whose row lines are its columns in grid order, integers as " %d"
// and reals as " %.14le", and whose section a file holds only when it has
// rows.
template <class Record> class ColumnTable : public Table<Record> {
public:
    bool sectionOptional() const override { return true; }

protected:
    using Table<Record>::Table;

    void writeRecord(std::string& out, int row) const override {
        const Record& record = this->records_[static_cast<std::size_t>(row)];
        for (const auto& column : this->columns()) {
            if (const auto* intMember = std::get_if<int Record::*>(&column))
                appendFormat(out, " %d", record.**intMember);
            else
                appendFormat(out, " %.14le", record.*std::get<double Record::*>(column));
        }
    }

    void readRecord(FieldScanner& fields, int row) override {
        Record record = this->records_[static_cast<std::size_t>(row)];
        for (const auto& column : this->columns()) {
            if (const auto* intMember = std::get_if<int Record::*>(&column))
                record.** intMember = fields.integer();
            else
                record.*std::get<double Record::*>(column) = fields.real();
        }
        fields.finish();
        this->records_[static_cast<std::size_t>(row)] = record;
    }
};

} // namespace venkar
