#include "AppFakes.h"
#include "TestFolder.h"

#include "app/ReportViewers.h"
#include "graphics/GraphSettings.h"
#include "model/Error.h"
#include "model/TextFile.h"

#include <gtest/gtest.h>

using namespace venkar;
using venkar::testing::FakeDialogs;
using venkar::testing::FakeLauncher;
using venkar::testing::TestFolder;

namespace fs = std::filesystem;

class ReportViewersTest : public ::testing::Test {
protected:
    TestFolder folder;
    FakeDialogs dialogs;
    FakeLauncher launcher;
    EditorAndMargins settings;
    ReportViewers viewers{launcher, dialogs, settings, "/opt/venkar/bin", folder.path()};
};

TEST_F(ReportViewersTest, DefaultSettingStartsTheViewerNextToTheProgramAndKeepsThePath) {
    viewers.show(ReportKind::Input, "Eingabe\n");
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0].program, "/opt/venkar/bin/venkar-view");
    EXPECT_EQ(settings.editor, "/opt/venkar/bin/venkar-view");
    const std::vector<std::string>& arguments = launcher.started[0].arguments;
    ASSERT_EQ(arguments.size(), 3u) << "no heads, no anchor: the name and the file";
    EXPECT_EQ(arguments[0], "--name");
    EXPECT_EQ(arguments[1], "Venkar-eingabeprotokoll") << "a system without a file";
    const fs::path file = arguments[2];
    EXPECT_EQ(file.parent_path(), folder.path());
    EXPECT_EQ(file.filename().string().substr(0, 4), "Vnkr");
    EXPECT_EQ(readTextFile(file), "Eingabe\n");
}

TEST_F(ReportViewersTest, TheOwnViewerLearnsNameHeadsAndPointAndAnEditorGetsTheTextAlone) {
    viewers.setAnchorSource([] { return std::optional<ScreenPoint>(ScreenPoint{1500, -20}); });
    const ReportText report{"a\nb\nc\nd\n", {{0, 2, 4}}};
    viewers.show(ReportKind::Results, report, "/daten/silo.v2.vsy");
    ASSERT_EQ(launcher.started.size(), 1u);
    const std::vector<std::string>& arguments = launcher.started[0].arguments;
    ASSERT_EQ(arguments.size(), 7u);
    EXPECT_EQ(arguments[0], "--name");
    EXPECT_EQ(arguments[1], "/daten/silo.v2-ergebnisse");
    EXPECT_EQ(arguments[2], "--heads");
    EXPECT_EQ(arguments[4], "--near");
    EXPECT_EQ(arguments[5], "1500,-20");
    const fs::path heads = arguments[3];
    const fs::path file = arguments[6];
    EXPECT_EQ(heads, fs::path(file).replace_extension(".heads"));
    EXPECT_EQ(readTextFile(heads), "0 2 4\n");
    EXPECT_EQ(readTextFile(file), report.text);

    settings.editor = "/usr/bin/kate";
    viewers.show(ReportKind::Input, report, "/daten/silo.vsy");
    ASSERT_EQ(launcher.started.size(), 2u);
    EXPECT_EQ(launcher.started[1].arguments.size(), 1u);
    EXPECT_EQ(readTextFile(launcher.started[1].arguments[0]), report.text);

    viewers.end();
    EXPECT_TRUE(fs::is_empty(folder.path())) << "the side files go with the reports";
}

TEST_F(ReportViewersTest, ANewerReportOfAKindEndsTheOlderViewerOfThatKindOnly) {
    settings.editor = "/usr/bin/viewer";
    viewers.show(ReportKind::Input, "a");
    viewers.show(ReportKind::Results, "b");
    viewers.show(ReportKind::Input, "c");
    ASSERT_EQ(launcher.started.size(), 3u);
    EXPECT_EQ(launcher.stopped, std::vector<ProcessLauncher::ProcessId>{100});
    EXPECT_EQ(launcher.running, (std::vector<ProcessLauncher::ProcessId>{101, 102}));
    // Every report went into its own file.
    EXPECT_EQ(viewers.reportFiles().size(), 3u);
    EXPECT_NE(launcher.started[0].arguments[0], launcher.started[2].arguments[0]);

    viewers.stopAll();
    EXPECT_TRUE(launcher.running.empty());
    EXPECT_FALSE(viewers.isRunning(ReportKind::Input));
}

TEST_F(ReportViewersTest, AMissingEditorIsReportedAndItsReportFileStillDeletedAtTheEnd) {
    settings.editor = "/nicht/da/editor";
    launcher.missing = "/nicht/da/editor";
    viewers.show(ReportKind::Results, "Ergebnisse");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0], "Fehler: Programm '/nicht/da/editor' kann nicht ausgeführt werden");
    EXPECT_FALSE(viewers.isRunning(ReportKind::Results));
    ASSERT_EQ(viewers.reportFiles().size(), 1u);
    const fs::path file = viewers.reportFiles()[0];
    EXPECT_TRUE(fs::exists(file));
    viewers.end();
    EXPECT_FALSE(fs::exists(file));
}

TEST_F(ReportViewersTest, EndStopsBothViewersAndDeletesEveryReportFile) {
    viewers.show(ReportKind::Input, "a");
    viewers.show(ReportKind::Results, "b");
    viewers.show(ReportKind::Results, "c");
    viewers.end();
    EXPECT_TRUE(launcher.running.empty());
    EXPECT_TRUE(viewers.reportFiles().empty());
    EXPECT_TRUE(fs::is_empty(folder.path()));
}

TEST(ReportViewers, AFolderWithoutRoomForAFileRaisesTheTemporaryNameError) {
    FakeDialogs dialogs;
    FakeLauncher launcher;
    EditorAndMargins settings;
    ReportViewers viewers{launcher, dialogs, settings, "/opt", "/nicht/vorhanden/ordner"};
    try {
        viewers.show(ReportKind::Input, "a");
        FAIL() << "no error raised";
    } catch (const VenkarError& error) {
        EXPECT_STREQ(error.what(), "Fehler bei Erzeugung einer Temporären Dateiname");
    }
    EXPECT_TRUE(launcher.started.empty());
}
