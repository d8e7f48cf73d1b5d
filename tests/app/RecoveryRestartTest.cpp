#include "MainWindowFixture.h"

#include "app/Recovery.h"
#include "app/RecoveryFile.h"
#include "model/ModelFiles.h"
#include "model/TextFile.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

using namespace venkar;
using namespace venkar::testing;

namespace fs = std::filesystem;

namespace {

// The recovery copy of the system a program left in `folder`, once complete.
std::optional<fs::path> waitForSystemCopy(const fs::path& folder, qint64 pid, int timeoutMs) {
    const fs::path copy = folder / (std::to_string(pid) + "-system.vrk");
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (const std::optional<std::string> bytes = readTextFile(copy))
            if (decodeRecoveryCopy(*bytes))
                return copy;
        QThread::msleep(50);
    }
    return std::nullopt;
}

} // namespace

using RecoveryRestartTest = MainWindowFixture;

// A real `venkar` opens the water tank, gets an edit, writes its recovery
// copy and is killed; the next start offers the copy and restores it.
TEST_F(RecoveryRestartTest, AKilledProgramsEditIsOfferedAndRestoredByteForByte) {
    const fs::path dataHome = folder / "daten";
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_DATA_HOME", QString::fromStdString(dataHome.string()));
    environment.insert("XDG_CONFIG_HOME", QString::fromStdString((folder / "config").string()));
    environment.insert("VENKAR_RECOVERY_DELAY_MS", "100");
    environment.insert("VENKAR_TEST_EDIT", "0 0 7.5");
    // The killed child cannot end its leak check.
    environment.insert("ASAN_OPTIONS", "detect_leaks=0");
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(VENKAR_PROGRAM, {QString::fromStdString(examplePath("wassertank.vsy"))});
    ASSERT_TRUE(child.waitForStarted(10000));
    const fs::path recoveryFolder = dataHome / "venkar/wiederherstellung";
    const std::optional<fs::path> copyFile =
        waitForSystemCopy(recoveryFolder, child.processId(), 60000);
    child.kill();
    child.waitForFinished(10000);
    ASSERT_TRUE(copyFile) << "no recovery copy written";
    const std::optional<RecoveryCopy> copy = decodeRecoveryCopy(*readTextFile(*copyFile));
    ASSERT_TRUE(copy);

    // The next start, with the same recovery folder.
    window.reset();
    places.recoveryFolder = recoveryFolder;
    window = std::make_unique<TMDIAppForm>(model, analysis, settings, dialogs, launcher, places);
    dialogs.yesNo = {true};
    window->startWith({QString::fromStdString(examplePath("wassertank.vla"))});
    EXPECT_EQ(dialogs.asked, std::vector<std::string>{
                                 "Wiederherstellung: Nicht gespeicherte Eingaben gefunden "
                                 "(System: wassertank.vsy, Lastfall: -). Wiederherstellen ?"});
    EXPECT_EQ(model.nodes.row(0).r, 7.5);
    EXPECT_EQ(writeSystemText(model), copy->text);
    EXPECT_EQ(window->documents().fileName(DocumentKind::System), examplePath("wassertank.vsy"));
    EXPECT_TRUE(window->documents().isModified(DocumentKind::System));
    // Restoring skipped the load file named on the command line.
    EXPECT_EQ(window->documents().fileName(DocumentKind::Load), "");
    EXPECT_FALSE(fs::exists(*copyFile));
}
