#include "model/ColumnCaptions.h"
#include "model/Model.h"

#include <gtest/gtest.h>

namespace venkar {
namespace {

TEST(ColumnCaptions, EveryTableHasOneCaptionListPerColumnInWindowOrder) {
    Model model;
    std::vector<InputContainer*> tables;
    for (InputContainer* table : model.systemTables())
        tables.push_back(table);
    for (InputContainer* table : model.loadTables())
        tables.push_back(table);
    const auto& all = allTableCaptions();
    ASSERT_EQ(all.size(), tables.size());
    for (std::size_t i = 0; i < tables.size(); ++i) {
        SCOPED_TRACE(tables[i]->keyword());
        EXPECT_STREQ(all[i].keyword, tables[i]->keyword());
        ASSERT_EQ(tableCaptions(*tables[i]), &all[i]);
        EXPECT_EQ(static_cast<int>(all[i].columns.size()), tables[i]->columnCount());
        for (const auto& column : all[i].columns) {
            // The cells run from the top header row to the bottom one.
            ASSERT_FALSE(column.empty());
            EXPECT_EQ(column.front().firstRow, 0);
            EXPECT_EQ(column.back().lastRow, all[i].headerRows - 1);
            for (std::size_t k = 1; k < column.size(); ++k)
                EXPECT_EQ(column[k].firstRow, column[k - 1].lastRow + 1);
        }
    }
}

TEST(ColumnCaptions, JoinsTheHeaderTextsAboveAColumn) {
    Model model;
    EXPECT_EQ(joinedCaption(model.nodes, 2), "Auflager r");
    EXPECT_EQ(joinedCaption(model.nodes, 5), "Auflager Schiefstellung (in °)");
    EXPECT_EQ(joinedCaption(model.shells, 2), "Mat.");
    EXPECT_EQ(joinedCaption(model.shellLoads, 4), "Lastkomponenten Längsrichtung Anfang");
    EXPECT_EQ(joinedCaption(model.rings, 5), "Gelenkige Verbindung in R");
    EXPECT_EQ(joinedCaption(model.waterLoads, 2), "Nullpunkt");
    EXPECT_EQ(joinedCaption(model.tempLoads, 1), "Schale bis");
    EXPECT_EQ(joinedCaption(model.shells, 7), "");
    EXPECT_EQ(joinedCaption(model.shells, -1), "");
    EXPECT_EQ(tableCaptions("CRANELOAD"), nullptr);
    EXPECT_STREQ(tableCaptions("POINTLOAD")->pageCaption, "Ringlast");
    EXPECT_STREQ(tableCaptions("RINGS")->rowNumberCaption, "Nr");
}

} // namespace
} // namespace venkar
