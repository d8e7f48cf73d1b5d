#include "MainWindowFixture.h"

#include "app/Recovery.h"
#include "app/RecoveryFile.h"
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
    EXPECT_FALSE(fs::exists(recovery.copyPath(DocumentKind::Load)));

    dialogs.saveNames = {(folder / "neu.vsy").string()};
    trigger("&Datei", "System"); // "Speichern unter" -> "System"
    EXPECT_FALSE(window->markerShown(DocumentKind::System));
    EXPECT_FALSE(fs::exists(copyFile));
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
