#include "app/MainWindow.h"

#include "analysis/AnalysisModel.h"
#include "analysis/ResultsReport.h"
#include "app/AppDialogs.h"
#include "app/CommandBoundary.h"
#include "app/EditorMarginsDialog.h"
#include "app/Recovery.h"
#include "app/StatusWindow.h"
#include "app/WindowArrangement.h"
#include "checks/InputFault.h"
#include "graphics/ConfigurationFile.h"
#include "graphics/GraphSettings.h"
#include "model/Error.h"
#include "model/InputReport.h"
#include "model/Model.h"
#include "model/ReportHead.h"
#include "model/TableView.h"

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
    return name.empty() ? "ohne Namen" : name;
}

} // namespace

TMDIAppForm::TMDIAppForm(Model& model, AnalysisModel& analysis, GraphSettings& settings,
                         AppDialogs& dialogs, ProcessLauncher& processes, ProgramPlaces places,
                         QWidget* parent)
    : QMainWindow(parent), model_(model), analysis_(analysis), settings_(settings),
      dialogs_(dialogs), places_(std::move(places)), documents_(model, dialogs),
      viewers_(processes, dialogs, settings.values.editorAndMargins,
               places_.programPath.parent_path(), places_.temporaryFolder) {
    setWindowTitle(productCaption);
    mdiArea_ = new QMdiArea(this);
    setCentralWidget(mdiArea_);
    statusWindow_ = new TSolForm(this);
    editorMarginsDialog_ = new TDruckerForm(dialogs_, this);
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
    // The input windows arrive with the grids; the commands stay until then.
    input->addAction("&System")->setShortcut(QKeySequence("Ctrl+S"));
    input->addAction("&Belastung")->setShortcut(QKeySequence("Ctrl+B"));
    for (QAction* action : input->actions())
        action->setEnabled(false);

    QAction* calculation = menuBar()->addAction("&Berechnen");
    connect(calculation, &QAction::triggered, this, [this] { run([this] { calculate(); }); });

    QMenu* show = menuBar()->addMenu("&Zeigen");
    show->addAction("Grafik")->setEnabled(false);
    addCommand(show, "Eingabeprotokoll", &TMDIAppForm::showInputReport);
    addCommand(show, "Ergebnisse", &TMDIAppForm::showResults);

    QMenu* settings = menuBar()->addMenu("E&instellung");
    addCommand(settings, "Editor und Seitenränder", &TMDIAppForm::editorAndMargins);
    settings->addAction("Konfiguration")->setEnabled(false);

    buildWindowMenu();

    QMenu* help = menuBar()->addMenu("&Hilfe");
    for (const char* item : {"Inhalt", "Suchen", "&Info..."})
        help->addAction(item)->setEnabled(false);
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
    file->addAction("Grafiken &drucken")->setEnabled(false);
    file->addSeparator();
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
    viewers_.stopAll();
}

void TMDIAppForm::plausibilityFault(const InputFault& fault) {
    dialogs_.showError(fault.message, "Eingabefehler");
}

void TMDIAppForm::calculationError(const std::string& message) {
    dialogs_.showError(message, "Berechnungsfehler");
}

void TMDIAppForm::calculate() {
    commitPendingEdits(model_);
    viewers_.stop(ReportKind::Results);
    venkar::calculate(model_, analysis_, *statusWindow_, *this);
}

void TMDIAppForm::showInputReport() {
    commitPendingEdits(model_);
    const ReportHead head{currentLocalTime(), documents_.fileName(DocumentKind::System),
                          documents_.fileName(DocumentKind::Load)};
    viewers_.show(ReportKind::Input, writeInputReport(model_, head));
}

void TMDIAppForm::showResults() {
    commitPendingEdits(model_);
    if (!analysis_.resultsValid) {
        dialogs_.showInformation("Keine Ergebnisse sind vorhanden", "Information");
        return;
    }
    const ReportHead head{currentLocalTime(), documents_.fileName(DocumentKind::System),
                          documents_.fileName(DocumentKind::Load)};
    viewers_.show(ReportKind::Results, writeResultsReport(model_, analysis_, head));
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
    run([this] { readSettings(settings_.root(), places_.configurationFile); });
    resolveDefaultEditor(settings_.values.editorAndMargins, places_.programPath.parent_path());
}

void TMDIAppForm::writeConfiguration() {
    if (!writeSettings(settings_.root(), places_.configurationFile))
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
            recovery_->restore(offer);
            restored = true;
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
