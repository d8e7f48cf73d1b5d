#include "app/MainWindow.h"

#include "analysis/AnalysisModel.h"
#include "app/AboutBox.h"
#include "app/AppDialogs.h"
#include "app/BucklingWindow.h"
#include "app/CommandBoundary.h"
#include "app/ConfigurationWindow.h"
#include "app/EditorMarginsDialog.h"
#include "app/GraphWindow.h"
#include "app/HelpBrowser.h"
#include "app/HelpContext.h"
#include "app/HelpPages.h"
#include "app/RecentFilesMenu.h"
#include "app/Recovery.h"
#include "app/StatusWindow.h"
#include "app/WindowArrangement.h"
#include "buckling/LoadCaseBuckling.h"
#include "checks/InputFault.h"
#include "checks/InputWarnings.h"
#include "graphics/ConfigurationFile.h"
#include "graphics/GraphSettings.h"
#include "harmonic/LoadCaseCalculation.h"
#include "input/LoadForm.h"
#include "input/ShapeDialog.h"
#include "input/SystemForm.h"
#include "input/UndoHistory.h"
#include "input/UserGrid.h"
#include "model/Error.h"
#include "model/Model.h"
#include "model/TableView.h"
#include "reports/BucklingSection.h"
#include "reports/InputReport.h"
#include "reports/ReportHead.h"
#include "reports/ResultsReport.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace venkar {

namespace {

const char* const productCaption =
    "Venkar - Programm zur Berechnung von rotationssymmetrischen Schalen";

std::size_t indexOf(DocumentKind kind) {
    return kind == DocumentKind::System ? 0 : 1;
}

// Stores the value being typed into any grid, so that a command reading the
// tables sees it.
void commitPendingEdits(Model& model) {
    for (InputContainer* table : model.systemTables())
        if (table->grid())
            table->grid()->commitPendingEdit();
    for (InputContainer* table : model.loadTables())
        if (table->grid())
            table->grid()->commitPendingEdit();
}

// A small red dot left of a file name while its document is modified.
QLabel* makeMarker(QWidget* parent) {
    auto* marker = new QLabel(parent);
    marker->setText("●");
    marker->setStyleSheet("color: #c00000;");
    marker->setToolTip("geändert");
    marker->hide();
    return marker;
}

// F1 in the main window finds the context of the focused widget: a grid
// leads to its table's section, the rest of an input window to its page.
void setInputHelpContexts(InputForm& form) {
    HelpBrowser::setHelpContext(&form, form.helpContext());
    for (int page = 0; page < form.pageCount(); ++page)
        HelpBrowser::setHelpContext(form.grid(page), form.grid(page)->helpContext);
}

std::optional<DocumentKind> kindOfFile(const QString& file) {
    const QString suffix = QFileInfo(file).suffix().toLower();
    if (suffix == "vsy")
        return DocumentKind::System;
    if (suffix == "vla")
        return DocumentKind::Load;
    return std::nullopt;
}

std::string describeCopy(const std::optional<RecoveryCopy>& copy) {
    if (!copy)
        return "-";
    const std::string name = Documents::shortName(copy->fileName);
    if (!copy->modified)
        return name + " unverändert";
    return name.empty() ? "ohne Namen" : name;
}

// Warnings as one status line.
QString warningLine(const std::vector<std::string>& warnings) {
    QStringList texts;
    for (const std::string& warning : warnings)
        texts << QString::fromStdString(warning);
    return "Warnung: " + texts.join(" – ");
}

QStringList toStringList(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& text : texts)
        list << QString::fromStdString(text);
    return list;
}

} // namespace

TMDIAppForm::TMDIAppForm(Model& model, AnalysisModel& analysis, GraphSettings& settings,
                         ProgramServices services, ProgramPlaces places, QWidget* parent)
    : QMainWindow(parent), model_(model), analysis_(analysis), settings_(settings),
      dialogs_(services.dialogs), inputMessages_(services.inputMessages),
      graphDialogs_(services.graphDialogs), plotResults_(model, analysis),
      places_(std::move(places)), documents_(model, services.dialogs),
      systemHistory_(std::make_unique<UndoHistory>(model, documents_, DocumentKind::System)),
      loadHistory_(std::make_unique<UndoHistory>(model, documents_, DocumentKind::Load)),
      viewers_(services.processes, services.dialogs, settings.values.editorAndMargins,
               places_.programPath.parent_path(), places_.temporaryFolder) {
    setWindowTitle(productCaption);
    mdiArea_ = new QMdiArea(this);
    setCentralWidget(mdiArea_);
    statusWindow_ = new TSolForm(this);
    editorMarginsDialog_ = new TDruckerForm(dialogs_, this);
    aboutBox_ = new TAboutBox(this);
    helpBrowser_ = new HelpBrowser(
        HelpPages::findFolder(QString::fromStdString(places_.programPath.parent_path().string())),
        this);
    // One F1 for the frame and its child windows (a second one in a child
    // would make the key ambiguous); the focused widget gives the context.
    HelpBrowser::setHelpContext(this, help::mainWindow);
    helpBrowser_->installF1(this);
    HelpBrowser::setHelpContext(editorMarginsDialog_, help::editorAndMarginsDialog);
    helpBrowser_->installF1(editorMarginsDialog_);
    // The report viewer opens on the screen that shows this window.
    viewers_.setAnchorSource([this] {
        const QPoint centre = frameGeometry().center();
        return std::optional<ScreenPoint>(ScreenPoint{centre.x(), centre.y()});
    });
    buildMenus();
    buildToolBar();
    statusBar()->show();
    documents_.addListener(this);
    recovery_ = std::make_unique<Recovery>(documents_, model_, places_.recoveryFolder,
                                           places_.recoveryDelay);
    readConfiguration();
    documentStateChanged();
    resize(1000, 700);
}

TMDIAppForm::~TMDIAppForm() {
    documents_.removeListener(this);
    recovery_.reset();
    // The input windows listen to the documents and use the histories:
    // they go first.
    delete mdiArea_;
    mdiArea_ = nullptr;
}

void TMDIAppForm::run(const std::function<void()>& command) {
    runCommand(dialogs_, command);
}

QAction* TMDIAppForm::addCommand(QMenu* menu, const QString& text, void (TMDIAppForm::*command)(),
                                 const QKeySequence& shortcut, const QString& hint) {
    QAction* action = menu->addAction(text);
    action->setShortcut(shortcut);
    action->setStatusTip(hint);
    connect(action, &QAction::triggered, this,
            [this, command] { run([&] { (this->*command)(); }); });
    return action;
}

void TMDIAppForm::buildMenus() {
    buildFileMenu();

    QMenu* input = menuBar()->addMenu("&Eingabe");
    addCommand(input, "&System", &TMDIAppForm::showSystemWindow, QKeySequence("Ctrl+S"));
    addCommand(input, "&Belastung", &TMDIAppForm::showLoadWindow, QKeySequence("Ctrl+B"));
    input->addSeparator();
    addCommand(input, "&Form erzeugen…", &TMDIAppForm::generateShape, {},
               "Zylinder, Kegel, Böden oder ein Silo an das System anhängen");

    QAction* calculation = menuBar()->addAction("&Berechnen");
    connect(calculation, &QAction::triggered, this, [this] { run([this] { calculate(); }); });
    QAction* buckling = menuBar()->addAction("Be&ulanalyse");
    connect(buckling, &QAction::triggered, this, [this] { run([this] { bucklingAnalysis(); }); });

    QMenu* show = menuBar()->addMenu("&Zeigen");
    QAction* graph = show->addAction("Grafik");
    connect(graph, &QAction::triggered, this, [this] { run([this] { openGraphWindow(); }); });
    addCommand(show, "Eingabeprotokoll", &TMDIAppForm::showInputReport);
    addCommand(show, "Ergebnisse", &TMDIAppForm::showResults);

    QMenu* settings = menuBar()->addMenu("E&instellung");
    addCommand(settings, "Editor und Seitenränder", &TMDIAppForm::editorAndMargins);
    addCommand(settings, "Konfiguration", &TMDIAppForm::showConfiguration);

    buildWindowMenu();

    QMenu* help = menuBar()->addMenu("&Hilfe");
    addCommand(help, "Inhalt", &TMDIAppForm::showHelpContents);
    addCommand(help, "Suchen", &TMDIAppForm::showHelpSearch);
    addCommand(help, "&Info...", &TMDIAppForm::showAbout);
}

void TMDIAppForm::buildFileMenu() {
    QMenu* file = menuBar()->addMenu("&Datei");
    auto addFileCommand = [&](QMenu* menu, const QString& text, std::function<void()> command,
                              const QKeySequence& shortcut = {}, const QString& hint = {}) {
        QAction* action = menu->addAction(text);
        action->setShortcut(shortcut);
        action->setStatusTip(hint);
        connect(action, &QAction::triggered, this, [this, command] { run(command); });
        return action;
    };
    addFileCommand(file, "Neu", [this] { documents_.newBoth(); });
    addFileCommand(
        file, "System öffnen", [this] { documents_.open(DocumentKind::System); },
        QKeySequence(Qt::Key_F3), "Datei öffnen");
    addFileCommand(
        file, "Belastung öffnen", [this] { documents_.open(DocumentKind::Load); },
        QKeySequence(Qt::Key_F4));
    addFileCommand(
        file, "&Speichern...", [this] { documents_.saveBoth(); }, QKeySequence(Qt::Key_F2),
        "Aktuelle Datei speichern");
    QMenu* saveAs = file->addMenu("Speichern unter");
    addFileCommand(saveAs, "System", [this] { documents_.saveAs(DocumentKind::System); });
    addFileCommand(saveAs, "Belastung", [this] { documents_.saveAs(DocumentKind::Load); });
    file->addSeparator();
    addFileCommand(file, "Grafiken &drucken", [this] { printGraphics(); });
    file->addSeparator();
    recentFilesMenu_ = new RecentFilesMenu(
        *file, [this](const RecentFiles::Entry& entry) { run([&] { openRecent(entry); }); });
    QAction* quit = file->addAction("&Beenden");
    quit->setShortcut(QKeySequence("Alt+X"));
    quit->setStatusTip("Anwendung beenden");
    connect(quit, &QAction::triggered, this, &QWidget::close);
}

void TMDIAppForm::buildWindowMenu() {
    windowMenu_ = menuBar()->addMenu("&Fenster");
    windowMenu_->menuAction()->setStatusTip("Fensterverwaltung");
    connect(windowMenu_, &QMenu::aboutToShow, this, &TMDIAppForm::fillWindowList);
    fillWindowList();
}

void TMDIAppForm::fillWindowList() {
    windowMenu_->clear();
    addCommand(windowMenu_, "Ü&berlappend", &TMDIAppForm::cascade, {},
               "Fenster überlappend anordnen");
    addCommand(windowMenu_, "&Nebeneinander", &TMDIAppForm::tileSideBySide, {},
               "Fenster nicht überlappend anordnen");
    addCommand(windowMenu_, "&Untereinander", &TMDIAppForm::tileBelow);
    addCommand(windowMenu_, "&Symbole anordnen", &TMDIAppForm::arrangeIcons, {},
               "Fenstersymbole am unteren Rand des Hauptfensters anordnen");
    const QList<QMdiSubWindow*> windows = mdiArea_->subWindowList();
    if (!windows.isEmpty())
        windowMenu_->addSeparator();
    int number = 1;
    for (QMdiSubWindow* window : windows) {
        QAction* action =
            windowMenu_->addAction(QString("&%1 %2").arg(number++).arg(window->windowTitle()));
        action->setCheckable(true);
        action->setChecked(window == mdiArea_->activeSubWindow());
        connect(action, &QAction::triggered, this,
                [this, window] { mdiArea_->setActiveSubWindow(window); });
    }
}

void TMDIAppForm::buildToolBar() {
    QToolBar* bar = addToolBar("Dateien");
    bar->setMovable(false);
    auto* strip = new QWidget(bar);
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(6, 2, 6, 2);
    for (const DocumentKind kind : {DocumentKind::System, DocumentKind::Load}) {
        const std::size_t i = indexOf(kind);
        markers_[i] = makeMarker(strip);
        toolBarTexts_[i] = new QLabel(strip);
        toolBarTexts_[i]->setMinimumWidth(220);
        layout->addWidget(markers_[i]);
        layout->addWidget(toolBarTexts_[i]);
        layout->addSpacing(12);
    }
    layout->addStretch();
    bar->addWidget(strip);
}

QString TMDIAppForm::toolBarText(DocumentKind kind) const {
    return toolBarTexts_[indexOf(kind)]->text();
}

bool TMDIAppForm::markerShown(DocumentKind kind) const {
    return !markers_[indexOf(kind)]->isHidden();
}

void TMDIAppForm::documentStateChanged() {
    for (const DocumentKind kind : {DocumentKind::System, DocumentKind::Load}) {
        const std::size_t i = indexOf(kind);
        const char* prefix = kind == DocumentKind::System ? "System: " : "Lastfall: ";
        toolBarTexts_[i]->setText(
            prefix + QString::fromStdString(Documents::shortName(documents_.fileName(kind))));
        toolBarTexts_[i]->setToolTip(QString::fromStdString(documents_.fileName(kind)));
        markers_[i]->setVisible(documents_.isModified(kind));
    }
}

void TMDIAppForm::modelChanged() {
    analysis_.resultsValid = 0;
    buckling_.reset();
    viewers_.stopAll();
    postModelChanged();
}

void TMDIAppForm::postModelChanged(int wParam) {
    if (!mdiArea_)
        return;
    const PlotResults* results = analysis_.resultsValid ? &plotResults_ : nullptr;
    for (TGraphForm* graph : graphWindows())
        graph->setResults(results);
    for (QMdiSubWindow* window : mdiArea_->subWindowList())
        if (window->widget())
            TGraphForm::postModelChanged(window->widget(), wParam);
}

std::vector<TGraphForm*> TMDIAppForm::graphWindows() const {
    std::vector<TGraphForm*> graphs;
    if (!mdiArea_)
        return graphs;
    for (QMdiSubWindow* window : mdiArea_->subWindowList())
        if (auto* graph = qobject_cast<TGraphForm*>(window->widget()))
            graphs.push_back(graph);
    return graphs;
}

std::vector<TBucklingWindow*> TMDIAppForm::bucklingWindows() const {
    std::vector<TBucklingWindow*> windows;
    if (!mdiArea_)
        return windows;
    for (QMdiSubWindow* window : mdiArea_->subWindowList())
        if (auto* buckling = dynamic_cast<TBucklingWindow*>(window->widget()))
            windows.push_back(buckling);
    return windows;
}

TGraphForm* TMDIAppForm::openGraphWindow() {
    commitPendingEdits(model_);
    auto* graph = new TGraphForm(model_, settings_, nullptr, graphDialogs_);
    graph->setResults(analysis_.resultsValid ? &plotResults_ : nullptr);
    graph->setTitleStripSource([this] { return titleStrip(); });
    HelpBrowser::setHelpContext(graph, help::graphWindow);
    QMdiSubWindow* window = mdiArea_->addSubWindow(graph);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    mdiArea_->setActiveSubWindow(window);
    return graph;
}

TitleStripData TMDIAppForm::titleStrip() const {
    TitleStripData data;
    data.systemFile =
        QString::fromStdString(Documents::shortName(documents_.fileName(DocumentKind::System)));
    data.loadFile =
        QString::fromStdString(Documents::shortName(documents_.fileName(DocumentKind::Load)));
    return data;
}

void TMDIAppForm::printGraphics() {
    commitPendingEdits(model_);
    const std::vector<TGraphForm*> graphs = graphWindows();
    printGraphWindows(std::vector<const TGraphForm*>(graphs.begin(), graphs.end()), graphDialogs_,
                      titleStrip(), pageMarginsOf(settings_.values.editorAndMargins), this);
}

void TMDIAppForm::showConfiguration() {
    if (!configurationWindow_) {
        configurationWindow_ = new TTreeForm(settings_, graphDialogs_, this);
        HelpBrowser::setHelpContext(configurationWindow_, help::configurationWindow);
        helpBrowser_->installF1(configurationWindow_);
        connect(configurationWindow_, &TTreeForm::settingsChanged, this,
                [this] { postModelChanged(1); });
    }
    configurationWindow_->show();
    configurationWindow_->raise();
}

void TMDIAppForm::showHelpContents() {
    helpBrowser_->showContents();
}

void TMDIAppForm::showHelpSearch() {
    helpBrowser_->showSearch(QString());
}

void TMDIAppForm::showAbout() {
    aboutBox_->exec();
}

TSystemForm* TMDIAppForm::existingSystemWindow() const {
    return static_cast<TSystemForm*>(systemWindow_.data());
}

TLoadForm* TMDIAppForm::existingLoadWindow() const {
    return static_cast<TLoadForm*>(loadWindow_.data());
}

TSystemForm* TMDIAppForm::systemWindow() {
    if (!systemWindow_) {
        auto* form =
            new TSystemForm(model_, documents_, inputMessages_, nullptr, systemHistory_.get());
        form->setCheckListener(this);
        mdiArea_->addSubWindow(form)->setAttribute(Qt::WA_DeleteOnClose);
        setInputHelpContexts(*form);
        systemWindow_ = form;
    }
    return existingSystemWindow();
}

TLoadForm* TMDIAppForm::loadWindow() {
    if (!loadWindow_) {
        auto* form = new TLoadForm(model_, documents_, inputMessages_, nullptr, loadHistory_.get());
        form->setCheckListener(this);
        mdiArea_->addSubWindow(form)->setAttribute(Qt::WA_DeleteOnClose);
        setInputHelpContexts(*form);
        loadWindow_ = form;
    }
    return existingLoadWindow();
}

void TMDIAppForm::showInputWindow(InputForm* form) {
    auto* window = qobject_cast<QMdiSubWindow*>(form->parentWidget());
    window->show();
    if (window->isMinimized())
        window->showNormal();
    mdiArea_->setActiveSubWindow(window);
    form->focusCurrentGrid();
}

void TMDIAppForm::showSystemWindow() {
    showInputWindow(systemWindow());
}

void TMDIAppForm::showLoadWindow() {
    showInputWindow(loadWindow());
}

void TMDIAppForm::generateShape() {
    commitPendingEdits(model_);
    TShapeDialog dialog(model_, *systemHistory_, inputMessages_, this);
    HelpBrowser::setHelpContext(&dialog, help::shapeDialog);
    helpBrowser_->installF1(&dialog);
    if (dialog.exec() != QDialog::Accepted || !dialog.appended())
        return;
    const AppendedShape& added = *dialog.appended();
    statusBar()->showMessage(QString("Form erzeugt: Schalen %1 bis %2, Knoten %3 bis %4")
                                 .arg(added.firstShell)
                                 .arg(added.lastShell)
                                 .arg(added.startNode)
                                 .arg(added.lastNode));
    showSystemWindow();
}

void TMDIAppForm::plausibilityFault(const InputFault& fault) {
    InputForm* form = pageDocument(fault.page) == InputContainer::Document::System
                          ? static_cast<InputForm*>(systemWindow())
                          : static_cast<InputForm*>(loadWindow());
    form->presentFault(fault);
}

void TMDIAppForm::checkPassed(DocumentKind kind) {
    QString line = "Prüfung ohne Fehler";
    if (kind == DocumentKind::Load)
        if (const std::vector<std::string> warnings = loadCaseWarnings(model_); !warnings.empty())
            line += ". " + warningLine(warnings);
    statusBar()->showMessage(line);
}

void TMDIAppForm::fileRead(DocumentKind kind, const std::string& path,
                           const std::vector<std::string>& warnings) {
    recentFiles_.add(kind, path);
    showRecentFiles();
    if (!warnings.empty())
        statusBar()->showMessage(warningLine(warnings));
}

void TMDIAppForm::fileWritten(DocumentKind kind, const std::string& path) {
    recentFiles_.add(kind, path);
    showRecentFiles();
}

void TMDIAppForm::showRecentFiles() {
    recentFilesMenu_->show(recentFiles_);
}

void TMDIAppForm::openRecent(const RecentFiles::Entry& entry) {
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(entry.path, ignored)) {
        recentFiles_.remove(entry.path);
        showRecentFiles();
        dialogs_.showError("Die Datei '" + entry.path +
                               "' gibt es nicht mehr; sie wird aus der Liste entfernt",
                           "Fehler");
        return;
    }
    documents_.openChosen(entry.kind, entry.path);
}

void TMDIAppForm::calculationError(const std::string& message) {
    dialogs_.showError(message, "Berechnungsfehler");
}

void TMDIAppForm::calculate() {
    commitPendingEdits(model_);
    viewers_.stop(ReportKind::Results);
    statusWindow_->setWarnings(toStringList(loadCaseWarnings(model_)));
    try {
        venkar::calculateLoadCase(model_, analysis_, *statusWindow_, *this);
    } catch (...) {
        postModelChanged();
        throw;
    }
    postModelChanged();
}

void TMDIAppForm::bucklingAnalysis() {
    commitPendingEdits(model_);
    if (model_.hasHarmonicLoads()) {
        dialogs_.showError(bucklingHarmonicLoadsMessage, "Beulanalyse");
        return;
    }
    calculate();
    if (!analysis_.resultsValid)
        return; // the calculation said why
    BucklingResult result;
    std::string error;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool analysed = analyseLoadCaseBuckling(model_, 0, maxBucklingHarmonic, result, error);
    QApplication::restoreOverrideCursor();
    if (!analysed) {
        dialogs_.showError(error, "Beulanalyse");
        return;
    }
    buckling_ = result;
    if (!result.buckles) {
        dialogs_.showInformation(result.message, "Beulanalyse");
        return;
    }
    auto* window = new TBucklingWindow(model_, settings_, result, nullptr, graphDialogs_);
    HelpBrowser::setHelpContext(window, help::bucklingWindow);
    QMdiSubWindow* frame = mdiArea_->addSubWindow(window);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->show();
    mdiArea_->setActiveSubWindow(frame);
}

void TMDIAppForm::showInputReport() {
    commitPendingEdits(model_);
    const ReportHead head{currentLocalTime(), documents_.fileName(DocumentKind::System),
                          documents_.fileName(DocumentKind::Load)};
    viewers_.show(ReportKind::Input, composeInputReport(model_, head), head.systemPath);
}

void TMDIAppForm::showResults() {
    commitPendingEdits(model_);
    if (!analysis_.resultsValid) {
        dialogs_.showInformation("Keine Ergebnisse sind vorhanden", "Information");
        return;
    }
    const ReportHead head{currentLocalTime(), documents_.fileName(DocumentKind::System),
                          documents_.fileName(DocumentKind::Load)};
    ReportText report = composeResultsReport(analysis_.results, head);
    if (buckling_)
        report.text += bucklingText(*buckling_);
    viewers_.show(ReportKind::Results, report, head.systemPath);
}

void TMDIAppForm::editorAndMargins() {
    editorMarginsDialog_->edit(settings_.values.editorAndMargins);
}

void TMDIAppForm::cascade() {
    mdiArea_->cascadeSubWindows();
}

namespace {

std::vector<QMdiSubWindow*> openWindows(const QMdiArea& area) {
    std::vector<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : area.subWindowList())
        if (!window->isMinimized() && window->isVisible())
            windows.push_back(window);
    return windows;
}

void placeWindows(const std::vector<QMdiSubWindow*>& windows, const std::vector<QRect>& rects) {
    for (std::size_t i = 0; i < windows.size(); ++i) {
        windows[i]->showNormal();
        windows[i]->setGeometry(rects[i]);
    }
}

} // namespace

void TMDIAppForm::tileSideBySide() {
    const std::vector<QMdiSubWindow*> windows = openWindows(*mdiArea_);
    placeWindows(windows, venkar::tileSideBySide(mdiArea_->viewport()->rect(),
                                                 static_cast<int>(windows.size())));
}

void TMDIAppForm::tileBelow() {
    const std::vector<QMdiSubWindow*> windows = openWindows(*mdiArea_);
    placeWindows(windows,
                 venkar::tileBelow(mdiArea_->viewport()->rect(), static_cast<int>(windows.size())));
}

void TMDIAppForm::arrangeIcons() {
    std::vector<QMdiSubWindow*> icons;
    for (QMdiSubWindow* window : mdiArea_->subWindowList())
        if (window->isMinimized())
            icons.push_back(window);
    if (icons.empty())
        return;
    const std::vector<QPoint> corners = iconPositions(
        mdiArea_->viewport()->rect(), icons.front()->size(), static_cast<int>(icons.size()));
    for (std::size_t i = 0; i < icons.size(); ++i)
        icons[i]->move(corners[i]);
}

void TMDIAppForm::readConfiguration() {
    run([this] {
        readSettings({&settings_.root(), &recentFiles_.root()}, places_.configurationFile);
    });
    resolveDefaultEditor(settings_.values.editorAndMargins, places_.programPath.parent_path());
    showRecentFiles();
}

void TMDIAppForm::writeConfiguration() {
    if (!writeSettings({&settings_.root(), &recentFiles_.root()}, places_.configurationFile))
        dialogs_.showError("Die Konfigurationsdatei '" + places_.configurationFile.string() +
                               "' kann nicht geschrieben werden",
                           "Fehler");
}

void TMDIAppForm::startWith(const QStringList& files) {
    bool restored = false;
    run([&] { offerRecovery(restored); });
    if (!restored)
        openFiles(files);
}

void TMDIAppForm::offerRecovery(bool& restored) {
    Recovery::Offer offer = recovery_->findOffer();
    for (const std::filesystem::path& damaged : offer.damaged)
        dialogs_.showError("Die Wiederherstellungskopie '" + damaged.string() +
                               "' ist beschädigt und wird nicht verwendet",
                           "Wiederherstellung");
    if (offer.system || offer.load) {
        const std::string question =
            "Nicht gespeicherte Eingaben gefunden (System: " + describeCopy(offer.system) +
            ", Lastfall: " + describeCopy(offer.load) + "). Wiederherstellen ?";
        if (dialogs_.askYesNo(question, "Wiederherstellung")) {
            restored = true;
            for (const std::string& gone : recovery_->restore(offer))
                dialogs_.showError("Die Datei '" + gone +
                                       "' gibt es nicht mehr; sie wird nicht wieder geöffnet",
                                   "Wiederherstellung");
        }
    }
    recovery_->discardOffered();
}

void TMDIAppForm::openFiles(const QStringList& files) {
    for (const QString& file : files) {
        const std::optional<DocumentKind> kind = kindOfFile(file);
        if (!kind) {
            dialogs_.showError("Die Datei '" + file.toStdString() +
                                   "' ist weder ein System (.vsy) noch ein Lastfall (.vla)",
                               "Fehler");
            continue;
        }
        run([&] { documents_.openFile(*kind, QFileInfo(file).absoluteFilePath().toStdString()); });
    }
}

void TMDIAppForm::closeEvent(QCloseEvent* event) {
    if (!finished_) {
        bool mayClose = false;
        run([&] {
            commitPendingEdits(model_);
            mayClose = documents_.queryClose();
        });
        if (!mayClose) {
            event->ignore();
            return;
        }
        finished_ = true;
        writeConfiguration();
        viewers_.end();
        recovery_.reset();
        mdiArea_->closeAllSubWindows();
    }
    event->accept();
}

} // namespace venkar
