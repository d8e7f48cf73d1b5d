#include "MainWindowFixture.h"

#include "app/RecentFilesMenu.h"
#include "app/StatusWindow.h"
#include "input/LoadForm.h"
#include "input/SystemForm.h"
#include "model/TextFile.h"

#include <QToolBar>

#include <functional>

using namespace venkar;
using namespace venkar::testing;

namespace fs = std::filesystem;

namespace {

class MainWindowFeedbackTest : public MainWindowFixture {
protected:
    // A click on the check mark, the last button of the input window.
    static void clickCheckMark(InputForm& form) {
        QToolBar* bar = form.toolBar();
        QWidget* button = bar->widgetForAction(bar->actions().last());
        ASSERT_TRUE(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void clickBerechnen() {
        QMenuBar* bar = window->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(menuItem("&Berechnen", {})).center());
    }
    std::string file(const std::string& name, const std::string& text) {
        const fs::path path = folder / name;
        EXPECT_TRUE(writeTextFileAtomically(path, text));
        return path.string();
    }
    QString statusLine() const { return window->statusBar()->currentMessage(); }
    // The files the places of "Datei" name (their hints), as long as their
    // captions are numbered and end with the file's name.
    QStringList recentTexts() {
        QStringList texts;
        for (std::size_t i = 0; i < RecentFiles::capacity; ++i) {
            QAction* place = window->recentFilesMenu().place(i);
            if (!place->isVisible())
                continue;
            const QString path = place->statusTip();
            const QString name = path.section('/', -1);
            if (place->text().startsWith(QString("&%1 ").arg(i + 1)) &&
                place->text().endsWith(name))
                texts << path;
        }
        return texts;
    }
};

const char* const emptyLoadWarning =
    "Warnung: Der Lastfall ist leer: keine Lasten und kein Eigengewicht.";

} // namespace

// A passed check says so; after the load case's check, and while the status
// window shows a calculation, the warnings of the batch command follow.
TEST_F(MainWindowFeedbackTest, APassedCheckSaysPruefungOhneFehlerWithTheLoadCasesWarnings) {
    struct Case {
        const char* name;
        std::function<void(Model&)> change;
        bool loadWindow;
        QString warning;
    };
    const std::vector<Case> cases = {
        {"system", [](Model&) {}, false, ""},
        {"load case", [](Model&) {}, true, ""},
        {"empty load case",
         [](Model& m) {
             m.clearLoad();
             m.setSelfWeight(false);
         },
         true, emptyLoadWarning},
        {"water above its zero level", [](Model& m) { m.waterLoads.setCell(0, 2, 0.5); }, true,
         "Warnung: Wasserlast 1: Schale 1 reicht über den Nullpunkt z = 0.5 hinaus; dort zieht "
         "der Wasserdruck an der Schale (Sog)."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        openExamples("wassertank");
        c.change(model);
        window->statusBar()->clearMessage();
        if (c.loadWindow)
            press(Qt::Key_B, Qt::ControlModifier);
        else
            press(Qt::Key_S, Qt::ControlModifier);
        InputForm* form = c.loadWindow ? static_cast<InputForm*>(window->existingLoadWindow())
                                       : static_cast<InputForm*>(window->existingSystemWindow());
        ASSERT_TRUE(form);
        clickCheckMark(*form);
        EXPECT_EQ(statusLine(), c.warning.isEmpty() ? "Prüfung ohne Fehler"
                                                    : "Prüfung ohne Fehler. " + c.warning);
        EXPECT_TRUE(inputMessages.inputErrors.isEmpty());

        clickBerechnen();
        EXPECT_EQ(analysis.resultsValid, 1);
        EXPECT_EQ(window->statusWindow().warningsText(), c.warning);
        dialogs.answers = {Answer::No, Answer::No};
    }
}

TEST_F(MainWindowFeedbackTest, TheSectionsAReaderSkipsAreShownOnceAfterOpening) {
    dialogs.openNames = {examplePath("wassertank.vsy"),
                         file("kran.vla", "NODELOAD\n0\n\nCRANELOAD\n1\n    1 1 1 2.0\n\n")};
    press(Qt::Key_F3);
    EXPECT_EQ(statusLine(), "");
    press(Qt::Key_F4);
    EXPECT_EQ(statusLine(), "Warnung: Unbekannter Abschnitt CRANELOAD in kran.vla, wird überlesen");
    EXPECT_TRUE(dialogs.shown.empty());
    // Nothing to answer; the calculation goes on and tells of the empty load.
    clickBerechnen();
    EXPECT_EQ(window->statusWindow().warningsText(), emptyLoadWarning);
}

// "Datei" lists the files opened and saved, newest first; Alt+digit opens
// one, a file that is gone leaves the list with a message, and the list
// comes back with the configuration at the next start.
TEST_F(MainWindowFeedbackTest, DateiListsTheLastFilesAndAltDigitOpensThem) {
    const std::string system = examplePath("kuppel.vsy");
    const std::string load = examplePath("kuppel.vla");
    const std::string saved = (folder / "neu.vsy").string();
    openExamples("kuppel");
    dialogs.saveNames = {saved};
    trigger("&Datei", "System"); // "Speichern unter" -> "System"
    EXPECT_EQ(recentTexts(),
              QStringList({QString::fromStdString(saved), QString::fromStdString(load),
                           QString::fromStdString(system)}));
    EXPECT_EQ(window->recentFilesMenu().place(0)->shortcut(), QKeySequence("Alt+1"));

    press(Qt::Key_3, Qt::AltModifier);
    EXPECT_EQ(window->documents().fileName(DocumentKind::System), system);
    EXPECT_EQ(window->recentFiles().entries().front(),
              (RecentFiles::Entry{DocumentKind::System, system}));

    fs::remove(saved);
    press(Qt::Key_2, Qt::AltModifier); // neu.vsy
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{"Fehler: Die Datei '" + saved +
                                                      "' gibt es nicht mehr; sie wird aus der "
                                                      "Liste entfernt"});
    EXPECT_EQ(window->documents().fileName(DocumentKind::System), system);
    EXPECT_EQ(recentTexts().size(), 2);

    // Nine more files: the eight newest stay.
    for (int i = 0; i < 9; ++i) {
        const std::string copy = file("kopie" + std::to_string(i) + ".vla", *readTextFile(load));
        window->documents().openFile(DocumentKind::Load, copy);
    }
    EXPECT_EQ(recentTexts().size(), 8);
    const std::vector<RecentFiles::Entry> before = window->recentFiles().entries();
    EXPECT_TRUE(window->close());
    window = std::make_unique<TMDIAppForm>(model, analysis, settings, services(), places);
    EXPECT_EQ(window->recentFiles().entries(), before);
    EXPECT_EQ(before.front().path, (folder / "kopie8.vla").string());
}
