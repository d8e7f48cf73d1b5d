#include "app/RecentFiles.h"
#include "graphics/ConfigurationFile.h"
#include "graphics/GraphSettings.h"

#include <gtest/gtest.h>

using namespace venkar;

namespace {

using Entry = RecentFiles::Entry;

} // namespace

// The list lives in the configuration file beside the settings; one file
// holds both in one encoding, and names the file cannot hold as they are
// are never listed.
TEST(RecentFiles, TravelWithTheSettingsThroughTheConfigurationFileInEitherEncoding) {
    for (const std::string folder : {"/home/anna/Behälter €", "/home/łukasz/zbiorniki"}) {
        SCOPED_TRACE(folder);
        GraphSettings settings;
        settings.find("Symmetrieachse/Überstand")->setReal(0.5);
        RecentFiles files;
        files.add(DocumentKind::System, folder + "/tank.vsy");
        files.add(DocumentKind::Load, folder + "/tank.vla");
        files.add(DocumentKind::System, folder + "/tank.vsy"); // moves to the front
        files.add(DocumentKind::Load, " blank.vla");
        files.add(DocumentKind::Load, "zwei\nZeilen.vla");
        const std::vector<Entry> expected = {{DocumentKind::System, folder + "/tank.vsy"},
                                             {DocumentKind::Load, folder + "/tank.vla"}};
        EXPECT_EQ(files.entries(), expected);

        const std::string text = settingsFileText({&settings.root(), &files.root()});
        GraphSettings readSettings;
        RecentFiles readFiles;
        readSettingsText({&readSettings.root(), &readFiles.root()}, text);
        EXPECT_EQ(readFiles.entries(), expected);
        EXPECT_EQ(readSettings.values.axis.overhang, 0.5);
        // A reader that knows only the settings skips the list.
        GraphSettings older;
        readSettingsText(older.root(), text);
        EXPECT_EQ(older.values.axis.overhang, 0.5);
    }
}

TEST(RecentFiles, KeepsTheEightNewestAndForgetsARemovedOne) {
    RecentFiles files;
    for (int i = 1; i <= 10; ++i)
        files.add(DocumentKind::Load, "/l/" + std::to_string(i) + ".vla");
    std::vector<Entry> entries = files.entries();
    ASSERT_EQ(entries.size(), RecentFiles::capacity);
    EXPECT_EQ(entries.front().path, "/l/10.vla");
    EXPECT_EQ(entries.back().path, "/l/3.vla");
    files.remove("/l/10.vla");
    entries = files.entries();
    EXPECT_EQ(entries.size(), 7u);
    EXPECT_EQ(entries.front().path, "/l/9.vla");
}
