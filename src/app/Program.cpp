#include "app/Program.h"

#include "analysis/AnalysisModel.h"
#include "app/GraphDialogs.h"
#include "app/MainWindow.h"
#include "app/ProgramPicture.h"
#include "app/QtDialogs.h"
#include "app/QtGermanTexts.h"
#include "app/QtProcessLauncher.h"
#include "graphics/ConfigurationFile.h"
#include "graphics/GraphSettings.h"
#include "input/QtInputMessages.h"
#include "model/Error.h"
#include "model/Model.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>

#include <clocale>
#include <cstdlib>
#include <exception>
#include <sstream>

namespace venkar {

namespace {

// The outermost command boundary: an exception escaping an event handler
// (a key in a grid, a paint) is shown and the program goes on.
class VenkarApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            QMessageBox::warning(activeWindow(), "Fehler", QString::fromUtf8(error.what()));
        } catch (...) {
            QMessageBox::warning(activeWindow(), "Fehler", "Interner Fehler");
        }
        return false;
    }
};

std::chrono::milliseconds recoveryDelay() {
    const char* text = std::getenv("VENKAR_RECOVERY_DELAY_MS");
    const long value = text ? std::strtol(text, nullptr, 10) : 0;
    return std::chrono::milliseconds(value > 0 ? value : 30000);
}

void applyTestEdit(Model& model) {
    const char* text = std::getenv("VENKAR_TEST_EDIT");
    if (!text)
        return;
    std::istringstream in(text);
    int row = 0;
    int column = 0;
    double value = 0.0;
    if (in >> row >> column >> value)
        model.nodes.setCell(row, column, value);
}

// Where the running program lives and keeps its files.
ProgramPlaces programPlaces() {
    ProgramPlaces places;
    places.programPath = QApplication::applicationFilePath().toStdString();
    places.configurationFile = configurationFilePath(places.programPath);
    places.temporaryFolder = QDir::tempPath().toStdString();
    places.recoveryFolder = (QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                             "/venkar/wiederherstellung")
                                .toStdString();
    places.recoveryDelay = recoveryDelay();
    return places;
}

} // namespace

int runProgram(int argc, char** argv) {
    VenkarApplication application(argc, argv);
    // Files, reports and the configuration always use "." as decimal point.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName("Venkar");
    QApplication::setWindowIcon(programIcon());
    installQtGermanTexts(application);

    Model model;
    AnalysisModel analysis;
    GraphSettings settings;
    QtDialogs dialogs;
    QtInputMessages inputMessages;
    QtProcessLauncher processes;
    TMDIAppForm window(model, analysis, settings,
                       {dialogs, inputMessages, qtGraphDialogs(), processes}, programPlaces());
    dialogs.setParentWindow(&window);
    window.show();

    QStringList files = QApplication::arguments();
    files.removeFirst();
    window.startWith(files);
    applyTestEdit(model);
    return QApplication::exec();
}

} // namespace venkar
