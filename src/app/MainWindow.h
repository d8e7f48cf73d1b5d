#pragma once

#include "analysis/AnalysisDriver.h"
#include "app/ReportViewers.h"
#include "documents/Documents.h"

#include <QMainWindow>
#include <QStringList>

#include <chrono>
#include <filesystem>
#include <memory>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;

namespace venkar {

class AnalysisModel;
class AppDialogs;
class GraphSettings;
class Model;
class ProcessLauncher;
class Recovery;
class TDruckerForm;
class TSolForm;

// Where the program lives and keeps its files.
struct ProgramPlaces {
    std::filesystem::path programPath;       // absolute path of the running program
    std::filesystem::path configurationFile; // read at start, written at the end
    std::filesystem::path temporaryFolder;   // the report files
    std::filesystem::path recoveryFolder;    // the recovery copies
    std::chrono::milliseconds recoveryDelay{30000};
};

// The main window: the frame of the program with its menu, the tool bar that
// shows the two file names with their modified markers, the status bar that
// shows the hint of the menu item under the mouse, and the child windows.
// Every command runs behind the command boundary: an error raised inside it
// ends the command with a message box and never the program.
class TMDIAppForm : public QMainWindow, public DocumentListener, public UserMessages {
public:
    // The model, the results, the settings and the services belong to the
    // caller and must outlive the window (not owned). Reads the
    // configuration file.
    TMDIAppForm(Model& model, AnalysisModel& analysis, GraphSettings& settings, AppDialogs& dialogs,
                ProcessLauncher& processes, ProgramPlaces places, QWidget* parent = nullptr);
    ~TMDIAppForm() override;

    // The start after the window is shown: offers the recovery copies an
    // ended program left behind ("Wiederherstellung"); when they are not
    // restored, opens the files named on the command line.
    void startWith(const QStringList& files);
    // Opens "*.vsy" as the system and "*.vla" as the load case, in any
    // order, as the open commands would but without their dialog.
    void openFiles(const QStringList& files);

    Documents& documents() { return documents_; }
    TSolForm& statusWindow() { return *statusWindow_; }
    TDruckerForm& editorMarginsDialog() { return *editorMarginsDialog_; }
    ReportViewers& reportViewers() { return viewers_; }
    Recovery& recovery() { return *recovery_; }
    QMdiArea& mdiArea() { return *mdiArea_; }
    // The tool bar texts ("System: name", "Lastfall: name") and whether the
    // modified markers show.
    QString toolBarText(DocumentKind kind) const;
    bool markerShown(DocumentKind kind) const;

    // The menu commands.
    void calculate();
    void showInputReport();
    void showResults();
    void editorAndMargins();
    void cascade();
    void tileSideBySide();
    void tileBelow();
    void arrangeIcons();

    // DocumentListener
    void documentStateChanged() override;
    void modelChanged() override;
    // UserMessages of the calculation
    void plausibilityFault(const InputFault& fault) override;
    void calculationError(const std::string& message) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* addCommand(QMenu* menu, const QString& text, void (TMDIAppForm::*command)(),
                        const QKeySequence& shortcut = {}, const QString& hint = {});
    void buildMenus();
    void buildFileMenu();
    void buildWindowMenu();
    void buildToolBar();
    void fillWindowList();
    void readConfiguration();
    void writeConfiguration();
    // Runs `command` behind the command boundary.
    void run(const std::function<void()>& command);
    void offerRecovery(bool& restored);

    Model& model_;
    AnalysisModel& analysis_;
    GraphSettings& settings_;
    AppDialogs& dialogs_;
    ProgramPlaces places_;
    Documents documents_;
    ReportViewers viewers_;
    std::unique_ptr<Recovery> recovery_;
    QMdiArea* mdiArea_ = nullptr;
    TSolForm* statusWindow_ = nullptr;
    TDruckerForm* editorMarginsDialog_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QLabel* toolBarTexts_[2] = {};
    QLabel* markers_[2] = {};
    bool finished_ = false;
};

} // namespace venkar
