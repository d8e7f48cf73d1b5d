#pragma once

#include "analysis/AnalysisDriver.h"
#include "app/GraphPrinting.h"
#include "app/RecentFiles.h"
#include "app/ReportViewers.h"
#include "buckling/BucklingAnalysis.h"
#include "documents/CheckListener.h"
#include "documents/Documents.h"
#include "graphics/AnalysisPlotResults.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;

namespace venkar {

class AnalysisModel;
class AppDialogs;
class GraphDialogs;
class GraphSettings;
class HelpBrowser;
class InputForm;
class InputMessages;
class Model;
class ProcessLauncher;
class RecentFilesMenu;
class Recovery;
class TAboutBox;
class TBucklingWindow;
class TDruckerForm;
class TGraphForm;
class TLoadForm;
class TSolForm;
class TSystemForm;
class TTreeForm;
class UndoHistory;

// The dialogs, messages and processes the program uses; the program hands in
// the Qt implementations, tests their fakes. Not owned.
struct ProgramServices {
    AppDialogs& dialogs;
    InputMessages& inputMessages;
    GraphDialogs& graphDialogs;
    ProcessLauncher& processes;
};

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
//
// What the user should know but need not answer goes to the status line
// and blocks nothing: "Prüfung ohne Fehler" after a passed check, the
// warnings about the load case after its check (and in the status window
// while calculating), the sections a reader skipped once after a file was
// opened.
class TMDIAppForm : public QMainWindow,
                    public DocumentListener,
                    public UserMessages,
                    public CheckListener {
public:
    // The model, the results, the settings and the services belong to the
    // caller and must outlive the window (not owned). Reads the
    // configuration file.
    TMDIAppForm(Model& model, AnalysisModel& analysis, GraphSettings& settings,
                ProgramServices services, ProgramPlaces places, QWidget* parent = nullptr);
    ~TMDIAppForm() override;

    // The start after the window is shown: offers the recovery copies an
    // ended program left behind ("Wiederherstellung"); when they are not
    // restored, opens the files named on the command line.
    void startWith(const QStringList& files);
    // Opens "*.vsy" as the system and "*.vla" as the load case, in any
    // order, as the open commands would but without their dialog.
    void openFiles(const QStringList& files);

    // The input windows, created on first use as child windows; a closed
    // one is destroyed and made anew next time (its undo history stays).
    TSystemForm* systemWindow();
    TLoadForm* loadWindow();
    // Null while the window does not exist.
    TSystemForm* existingSystemWindow() const;
    TLoadForm* existingLoadWindow() const;

    // The graph windows, in the order of the window list.
    std::vector<TGraphForm*> graphWindows() const;
    // The windows of the buckling analyses, in the order of the window list.
    std::vector<TBucklingWindow*> bucklingWindows() const;
    // The help window, made at the start (F1 in every window opens it).
    HelpBrowser& helpBrowser() { return *helpBrowser_; }
    TAboutBox& aboutBox() { return *aboutBox_; }
    // Null until "Konfiguration" was used.
    TTreeForm* configurationWindow() const { return configurationWindow_; }

    Documents& documents() { return documents_; }
    TSolForm& statusWindow() { return *statusWindow_; }
    TDruckerForm& editorMarginsDialog() { return *editorMarginsDialog_; }
    ReportViewers& reportViewers() { return viewers_; }
    Recovery& recovery() { return *recovery_; }
    // The files opened or saved last, as "Datei" lists them.
    const RecentFiles& recentFiles() const { return recentFiles_; }
    RecentFilesMenu& recentFilesMenu() { return *recentFilesMenu_; }
    QMdiArea& mdiArea() { return *mdiArea_; }
    // The tool bar texts ("System: name", "Lastfall: name") and whether the
    // modified markers show.
    QString toolBarText(DocumentKind kind) const;
    bool markerShown(DocumentKind kind) const;

    // The menu commands.
    void showSystemWindow();
    void showLoadWindow();
    // "Form erzeugen…": the dialog that appends a generated shape to the
    // system; afterwards the system window shows the new rows.
    void generateShape();
    void calculate();
    // "Beulanalyse": the calculation with the status window, then the
    // linear buckling analysis of the load case on this thread (not
    // cancellable), then a window with its mode and curve; the results
    // report shows its section until the model changes. A load case with
    // loads around the circumference is refused before the calculation, one
    // without compression gets the message and no window.
    void bucklingAnalysis();
    TGraphForm* openGraphWindow();
    // "Grafiken drucken": every graph window on one page.
    void printGraphics();
    void showConfiguration();
    void showInputReport();
    void showResults();
    void editorAndMargins();
    void cascade();
    void tileSideBySide();
    void tileBelow();
    void arrangeIcons();
    void showHelpContents();
    void showHelpSearch();
    void showAbout();

    // DocumentListener
    void documentStateChanged() override;
    void modelChanged() override;
    void fileRead(DocumentKind kind, const std::string& path,
                  const std::vector<std::string>& warnings) override;
    void fileWritten(DocumentKind kind, const std::string& path) override;
    // CheckListener: "Prüfung ohne Fehler" in the status line, after the
    // load case's check with its warnings.
    void checkPassed(DocumentKind kind) override;
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
    // A file of the list of recent files: opened as "System öffnen" or
    // "Belastung öffnen" would; a file that is gone leaves the list with a
    // message.
    void openRecent(const RecentFiles::Entry& entry);
    void showRecentFiles();
    void showInputWindow(InputForm* form);
    // Hands the graph windows the results when they are valid, then posts
    // "model changed" (3027) with `wParam` to every child window.
    void postModelChanged(int wParam = 0);
    TitleStripData titleStrip() const;

    Model& model_;
    AnalysisModel& analysis_;
    GraphSettings& settings_;
    AppDialogs& dialogs_;
    InputMessages& inputMessages_;
    GraphDialogs& graphDialogs_;
    AnalysisPlotResults plotResults_;
    ProgramPlaces places_;
    Documents documents_;
    std::unique_ptr<UndoHistory> systemHistory_;
    std::unique_ptr<UndoHistory> loadHistory_;
    QPointer<InputForm> systemWindow_;
    QPointer<InputForm> loadWindow_;
    ReportViewers viewers_;
    std::unique_ptr<Recovery> recovery_;
    RecentFiles recentFiles_;
    RecentFilesMenu* recentFilesMenu_ = nullptr;
    QMdiArea* mdiArea_ = nullptr;
    TSolForm* statusWindow_ = nullptr;
    TDruckerForm* editorMarginsDialog_ = nullptr;
    HelpBrowser* helpBrowser_ = nullptr;
    TAboutBox* aboutBox_ = nullptr;
    TTreeForm* configurationWindow_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QLabel* toolBarTexts_[2] = {};
    QLabel* markers_[2] = {};
    bool finished_ = false;
    // The last buckling analysis of the current model and load case.
    std::optional<BucklingResult> buckling_;
};

} // namespace venkar
