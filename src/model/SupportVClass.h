#pragma once

#include "model/ColumnTable.h"

namespace venkar {

// The support of a node in the circumferential direction v under loads
// around the circumference. A node without a row has v held when its r
// support is set.
struct SupportVRecord {
    int node = 0; // node row number
    int held = 0; // 1 held, 0 free
};

// "SUPPORTV": the circumferential support of nodes ("Umfangsauflager")
class SupportVClass : public ColumnTable<SupportVRecord> {
public:
    SupportVClass() : ColumnTable(Document::System) {}
    const char* keyword() const override { return "SUPPORTV"; }

protected:
    const std::vector<Column<SupportVRecord>>& columns() const override {
        static const std::vector<Column<SupportVRecord>> list{&SupportVRecord::node,
                                                              &SupportVRecord::held};
        return list;
    }
};

} // namespace venkar
