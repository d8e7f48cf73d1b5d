#include "MainWindowFixture.h"

#include "app/Recovery.h"
#include "app/RecoveryFile.h"
#include "input/SystemForm.h"
#include "input/UserGrid.h"
#include "model/ModelFiles.h"
#include "model/TextFile.h"

#include <QLockFile>

using namespace venkar;
using namespace venkar::testing;

namespace fs = std::filesystem;

TEST(RecoveryFile, RoundTripsAndRefusesDamagedOrTruncatedCopies) {
    const RecoveryCopy copy{DocumentKind::Load, "/home/a/Lastfall 1.vla", "NODELOAD\n0\n\n"};
    const std::string bytes = encodeRecoveryCopy(copy);
    const std::optional<RecoveryCopy> back = decodeRecoveryCopy(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->kind, DocumentKind::Load);
    EXPECT_EQ(back->fileName, copy.fileName);
    EXPECT_EQ(back->text, copy.text);

    EXPECT_FALSE(decodeRecoveryCopy(bytes.substr(0, bytes.size() - 1)));
    std::string flipped = bytes;
    flipped[flipped.size() - 3] = 'X';
    EXPECT_FALSE(decodeRecoveryCopy(flipped));
    EXPECT_FALSE(decodeRecoveryCopy(bytes + "\n"));
    EXPECT_FALSE(decodeRecoveryCopy(""));
    EXPECT_FALSE(decodeRecoveryCopy("NODES\n0\n\n"));
}

TEST(RecoveryFile, OnlyTheWrittenFormOfTheLengthLineIsAccepted) {
    const std::string text = "NODES\n0\n\n";
    const std::string bytes = encodeRecoveryCopy({DocumentKind::System, "a.vsy", text});
    const std::size_t line = bytes.find("\n9 ") + 1;
    const std::string sizes = bytes.substr(line, bytes.find('\n', line) - line);
    ASSERT_EQ(sizes.size(), 18u);
    const std::string hex = sizes.substr(2);
    std::string upper = hex;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    ASSERT_NE(upper, hex) << "the checksum needs a letter for this test";
    for (const std::string& other :
         {"+9 " + hex, "09 " + hex, " 9 " + hex, "9  " + hex, "9 " + upper, "9 " + hex.substr(1),
          "9 0x" + hex.substr(2), "9 " + hex + " "}) {
        std::string changed = bytes;
        changed.replace(line, sizes.size(), other);
        EXPECT_FALSE(decodeRecoveryCopy(changed)) << other;
    }
}

TEST(RecoveryFile, ANameWithALineBreakIsLeftOutAndTheTextStillRestores) {
    const std::string text = "NODES\n0\n\n";
    const std::optional<RecoveryCopy> back =
        decodeRecoveryCopy(encodeRecoveryCopy({DocumentKind::System, "zwei\nZeilen.vsy", text}));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->fileName, "");
    EXPECT_EQ(back->text, text);
    // Carriage returns and other bytes in a name stay.
    EXPECT_EQ(
        decodeRecoveryCopy(encodeRecoveryCopy({DocumentKind::Load, "a\rb\tc.vla", text}))->fileName,
        "a\rb\tc.vla");
}

TEST(RecoveryFile, ASoundCopyIsIntactAndReadsAsItsDocument) {
    EXPECT_TRUE(soundRecoveryCopy(encodeRecoveryCopy({DocumentKind::System, "", "NODES\n0\n\n"})));
    // Intact, but its text is no document of its kind or is refused by the reader.
    EXPECT_FALSE(soundRecoveryCopy(encodeRecoveryCopy({DocumentKind::Load, "", "NODES\n0\n\n"})));
    EXPECT_FALSE(soundRecoveryCopy(
        encodeRecoveryCopy({DocumentKind::System, "", "NODES\n1\n    1 0 0 0 0 0 x\n\n"})));
}

TEST(RecoveryFile, ANameAloneRecordsAnUnmodifiedDocument) {
    const RecoveryCopy name{DocumentKind::Load, "/daten/tank.vla", "", false};
    const std::string bytes = encodeRecoveryCopy(name);
    EXPECT_EQ(bytes.rfind("VENKAR-DATEINAME 1\nLastfall\n/daten/tank.vla\n0 ", 0), 0u);
    const std::optional<RecoveryCopy> back = soundRecoveryCopy(bytes);
    ASSERT_TRUE(back);
    EXPECT_FALSE(back->modified);
    EXPECT_EQ(back->fileName, name.fileName);
    // The copy of a modified document keeps the form older programs wrote.
    EXPECT_EQ(encodeRecoveryCopy({DocumentKind::Load, "a.vla", "NODELOAD\n0\n\n"})
                  .rfind("VENKAR-WIEDERHERSTELLUNG 1\nLastfall\na.vla\n", 0),
              0u);
    // Without a name there is nothing to record; a name with a text is no
    // form the program writes.
    EXPECT_EQ(encodeRecoveryCopy({DocumentKind::Load, "", "", false}), "");
    std::string withText = encodeRecoveryCopy({DocumentKind::Load, name.fileName, "N"});
    withText.replace(0, withText.find('\n'), "VENKAR-DATEINAME 1");
    EXPECT_FALSE(decodeRecoveryCopy(withText));
}

class RecoveryTest : public MainWindowFixture {
protected:
    // Leaves copies as an ended program with process id `session` would.
    void leaveCopy(const std::string& session, const RecoveryCopy& copy) {
        const char* suffix = copy.kind == DocumentKind::System ? "-system.vrk" : "-load.vrk";
        ASSERT_TRUE(writeTextFileAtomically(places.recoveryFolder / (session + suffix),
                                            encodeRecoveryCopy(copy)));
    }
    static std::string exampleText(const std::string& name) {
        return *readTextFile(examplePath(name));
    }
};

TEST_F(RecoveryTest, CopiesOfAModifiedDocumentFollowChangesAndASaveRemovesThem) {
    openExamples("kuppel");
    Recovery& recovery = window->recovery();
    EXPECT_FALSE(recovery.isScheduled());
    model.nodes.setCell(0, 0, 3.25);
    EXPECT_TRUE(recovery.isScheduled());
    recovery.writeNow();
    const fs::path copyFile = recovery.copyPath(DocumentKind::System);
    const std::optional<RecoveryCopy> copy = decodeRecoveryCopy(*readTextFile(copyFile));
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->fileName, examplePath("kuppel.vsy"));
    EXPECT_EQ(copy->text, writeSystemText(model));
    // The unmodified load case of the session is recorded by its name only.
    const std::optional<RecoveryCopy> load =
        decodeRecoveryCopy(*readTextFile(recovery.copyPath(DocumentKind::Load)));
    ASSERT_TRUE(load);
    EXPECT_FALSE(load->modified);
    EXPECT_EQ(load->fileName, examplePath("kuppel.vla"));
    EXPECT_EQ(load->text, "");

    dialogs.saveNames = {(folder / "neu.vsy").string()};
    trigger("&Datei", "System"); // "Speichern unter" -> "System"
    EXPECT_FALSE(window->markerShown(DocumentKind::System));
    EXPECT_FALSE(fs::exists(copyFile));
    EXPECT_FALSE(fs::exists(recovery.copyPath(DocumentKind::Load)));
}

TEST_F(RecoveryTest, CleanExitRemovesTheCopies) {
    model.nodes.setCell(0, 0, 3.25);
    window->recovery().writeNow();
    const fs::path copyFile = window->recovery().copyPath(DocumentKind::System);
    EXPECT_TRUE(fs::exists(copyFile));
    dialogs.answers = {Answer::No};
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(fs::exists(copyFile));
}

TEST_F(RecoveryTest, JaRestoresTheCopiesKeepingNamesAndSkipsTheCommandLineFiles) {
    leaveCopy("999991", {DocumentKind::System, "/daten/tank.vsy", exampleText("wassertank.vsy")});
    leaveCopy("999991", {DocumentKind::Load, "", exampleText("kuppel.vla")});
    dialogs.yesNo = {true};
    window->startWith({QString::fromStdString(examplePath("kuehlturm.vsy"))});
    EXPECT_EQ(dialogs.asked, std::vector<std::string>{
                                 "Wiederherstellung: Nicht gespeicherte Eingaben gefunden "
                                 "(System: tank.vsy, Lastfall: ohne Namen). Wiederherstellen ?"});
    EXPECT_EQ(window->documents().fileName(DocumentKind::System), "/daten/tank.vsy");
    EXPECT_EQ(writeSystemText(model), exampleText("wassertank.vsy"));
    EXPECT_EQ(writeLoadText(model), exampleText("kuppel.vla"));
    EXPECT_TRUE(window->markerShown(DocumentKind::System));
    EXPECT_TRUE(window->markerShown(DocumentKind::Load));
    // The ended program's copies are gone; this program keeps its own.
    EXPECT_FALSE(fs::exists(places.recoveryFolder / "999991-system.vrk"));
    EXPECT_TRUE(window->recovery().isScheduled());
}

TEST_F(RecoveryTest, NeinDeletesTheCopiesAndOpensTheCommandLineFiles) {
    leaveCopy("999992", {DocumentKind::System, "/daten/tank.vsy", exampleText("wassertank.vsy")});
    dialogs.yesNo = {false};
    window->startWith({QString::fromStdString(examplePath("kuehlturm.vsy"))});
    EXPECT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(window->toolBarText(DocumentKind::System), "System: kuehlturm.vsy");
    EXPECT_FALSE(fs::exists(places.recoveryFolder / "999992-system.vrk"));

    // Asked once only: the next start finds nothing.
    dialogs.asked.clear();
    window->startWith({});
    EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(RecoveryTest, ADamagedCopyIsRefusedAndReplacesNothing) {
    std::string damaged = encodeRecoveryCopy(
        {DocumentKind::System, "/daten/tank.vsy", exampleText("wassertank.vsy")});
    damaged.resize(damaged.size() / 2); // truncated
    ASSERT_TRUE(writeTextFileAtomically(places.recoveryFolder / "999993-system.vrk", damaged));
    window->startWith({QString::fromStdString(examplePath("kuppel.vsy"))});
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].rfind("Wiederherstellung: Die Wiederherstellungskopie", 0), 0u);
    EXPECT_TRUE(dialogs.asked.empty());
    EXPECT_EQ(window->toolBarText(DocumentKind::System), "System: kuppel.vsy");
    // Kept aside for inspection, never offered again.
    EXPECT_TRUE(fs::exists(places.recoveryFolder / "999993-system.beschaedigt"));
    dialogs.shown.clear();
    window->startWith({});
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(RecoveryTest, CopiesOfAProgramStillRunningAreNeverTouched) {
    // Another running program holds its session lock.
    QLockFile otherProgram(
        QString::fromStdString((places.recoveryFolder / "999994.lock").string()));
    otherProgram.setStaleLockTime(0);
    ASSERT_TRUE(otherProgram.tryLock(0));
    leaveCopy("999994", {DocumentKind::System, "/daten/tank.vsy", exampleText("wassertank.vsy")});
    window->startWith({});
    EXPECT_TRUE(dialogs.asked.empty());
    EXPECT_TRUE(fs::exists(places.recoveryFolder / "999994-system.vrk"));
}

TEST_F(RecoveryTest, WritingACopyLeavesTheValueBeingTypedInItsCell) {
    openExamples("kuppel");
    press(Qt::Key_S, Qt::ControlModifier);
    model.nodes.setCell(0, 1, 4.0); // a stored change
    TUserGrid* grid = window->existingSystemWindow()->currentGrid();
    QTest::keyClicks(grid, "99"); // being typed into row 1, column 1
    window->recovery().writeNow();
    EXPECT_NE(model.nodes.row(0).r, 99.0);
    const std::optional<RecoveryCopy> copy =
        decodeRecoveryCopy(*readTextFile(window->recovery().copyPath(DocumentKind::System)));
    ASSERT_TRUE(copy);
    Model stored = model; // a copy has no grid, so nothing typed is stored
    EXPECT_EQ(copy->text, writeSystemText(stored));
    // The typed value is stored by the next command that reads the tables.
    trigger("&Berechnen");
    EXPECT_EQ(model.nodes.row(0).r, 99.0);
}

// The session of a killed program had a modified system and an unmodified
// load case on disk: both come back, the load case read from its file, so
// that "Berechnen" works at once and "Speichern" asks for no name.
TEST_F(RecoveryTest, JaBringsBackBothDocumentsOfTheSessionAndBerechnenWorksAtOnce) {
    const std::string tank = (folder / "tank.vsy").string();
    leaveCopy("999995", {DocumentKind::System, tank, exampleText("wassertank.vsy")});
    leaveCopy("999995", {DocumentKind::Load, examplePath("wassertank.vla"), "", false});
    // A name recorded by another session does not come along.
    leaveCopy("999996", {DocumentKind::Load, examplePath("kuppel.vla"), "", false});
    dialogs.yesNo = {true};
    window->startWith({});
    EXPECT_EQ(dialogs.asked,
              std::vector<std::string>{"Wiederherstellung: Nicht gespeicherte Eingaben gefunden "
                                       "(System: tank.vsy, Lastfall: wassertank.vla unverändert). "
                                       "Wiederherstellen ?"});
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(window->toolBarText(DocumentKind::System), "System: tank.vsy");
    EXPECT_EQ(window->toolBarText(DocumentKind::Load), "Lastfall: wassertank.vla");
    EXPECT_TRUE(window->markerShown(DocumentKind::System));
    EXPECT_FALSE(window->markerShown(DocumentKind::Load));
    EXPECT_EQ(writeLoadText(model), exampleText("wassertank.vla"));
    EXPECT_FALSE(fs::exists(places.recoveryFolder / "999996-load.vrk"));

    QMenuBar* bar = window->menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {},
                      bar->actionGeometry(menuItem("&Berechnen", {})).center());
    EXPECT_EQ(analysis.resultsValid, 1);
    press(Qt::Key_F2);
    EXPECT_TRUE(dialogs.saveDialogs.empty());
    EXPECT_EQ(*readTextFile(tank), exampleText("wassertank.vsy"));
    EXPECT_FALSE(window->markerShown(DocumentKind::System));
}

TEST_F(RecoveryTest, AFileThatIsGoneIsNamedAndTheModifiedDocumentStillComesBack) {
    leaveCopy("999997", {DocumentKind::System, "", exampleText("kuppel.vsy")});
    const std::string gone = (folder / "weg.vla").string();
    leaveCopy("999997", {DocumentKind::Load, gone, "", false});
    dialogs.yesNo = {true};
    window->startWith({});
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{"Wiederherstellung: Die Datei '" + gone +
                                                      "' gibt es nicht mehr; sie wird nicht "
                                                      "wieder geöffnet"});
    EXPECT_EQ(writeSystemText(model), exampleText("kuppel.vsy"));
    EXPECT_EQ(window->toolBarText(DocumentKind::Load), "Lastfall: ");
}
