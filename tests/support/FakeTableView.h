#pragma once

#include "model/DocumentObserver.h"
#include "model/TableView.h"

#include <string>
#include <vector>

namespace venkar::test {

// Records what a table tells its grid.
class FakeTableView : public TableView {
public:
    void refreshRows(int rowCount) override {
        events.push_back("rows " + std::to_string(rowCount));
    }
    void redrawRow(int row) override { events.push_back("row " + std::to_string(row)); }
    void redrawCell(int row, int column) override {
        events.push_back("cell " + std::to_string(row) + "," + std::to_string(column));
    }
    void commitPendingEdit() override { events.push_back("commit"); }

    std::vector<std::string> events;
};

// Counts the change notifications of the tables.
class FakeDocumentObserver : public DocumentObserver {
public:
    void systemChanged() override { ++systemChanges; }
    void loadChanged() override { ++loadChanges; }

    int systemChanges = 0;
    int loadChanges = 0;
};

} // namespace venkar::test
