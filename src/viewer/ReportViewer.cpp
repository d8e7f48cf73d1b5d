#include "viewer/ReportViewer.h"

#include "viewer/ReportPrinting.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QStatusBar>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

namespace venkar {

namespace {

// The size of the printed report: 84 characters of a table fit across a
// portrait A4 page.
constexpr qreal printFontSize = 9.0;

bool askWithPrintDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Protokoll drucken"));
    dialog.setOption(QAbstractPrintDialog::PrintSelection, true);
    return dialog.exec() == QDialog::Accepted;
}

QString askForTextFile(QWidget* parent, const QString& suggested) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Protokoll speichern unter"),
                                        suggested, QStringLiteral("Textdateien (*.txt)"));
}

void showErrorBox(QWidget* parent, const QString& message) {
    QMessageBox::warning(parent, QStringLiteral("Fehler"), message);
}

QString decodeReport(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    // Older reports were written in code page 1252. Latin-1 matches it
    // except for a few typographic signs, which reports do not use.
    return QString::fromLatin1(bytes);
}

// Measured rather than asked: some monospaced fonts do not declare
// themselves fixed-pitch.
bool hasFixedWidth(const QFont& font) {
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(QLatin1Char('i')) ==
           metrics.horizontalAdvance(QLatin1Char('W'));
}

// The platform's fixed-width font; where it names no such font (the
// offscreen platform, minimal desktops) the fontconfig family "monospace".
QFont reportFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (hasFixedWidth(font))
        return font;
    font.setFamily(QStringLiteral("monospace"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

// The window caption: the report's own title line ("Venkar - Ausdruck der
// Ergebnisse") says more than the temporary file name.
QString captionFor(const QString& text, const QString& path) {
    const QString firstLine = text.section(QLatin1Char('\n'), 0, 0).trimmed();
    const QString name = QFileInfo(path).fileName();
    if (firstLine.isEmpty() || firstLine.size() > 80)
        return name;
    return QStringLiteral("%1 (%2)").arg(firstLine, name);
}

} // namespace

ReportViewer::ReportViewer(QWidget* parent)
    : QMainWindow(parent), printerQuery_(askWithPrintDialog), saveFileQuery_(askForTextFile),
      errorReport_(showErrorBox) {
    setWindowTitle(QStringLiteral("Venkar - Protokoll"));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    text_ = new QPlainTextEdit(central);
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(reportFont());
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(text_);

    createSearchBar();
    layout->addWidget(searchBar_);
    setCentralWidget(central);
    createActions();

    // Room for the widest report table (84 characters) and a page of lines.
    const QFontMetrics metrics(text_->font());
    resize(metrics.horizontalAdvance(QLatin1Char('0')) * 96 + 40, metrics.lineSpacing() * 40);
}

bool ReportViewer::openFile(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Die Datei '%1' kann nicht geöffnet werden.").arg(path);
        return false;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = QStringLiteral("Fehler beim Lesen der Datei '%1'.").arg(path);
        return false;
    }
    const QString text = decodeReport(bytes);
    text_->setPlainText(text);
    filePath_ = path;
    bytes_ = std::move(bytes);
    lines_ = text.split(QLatin1Char('\n'));
    if (!lines_.isEmpty() && lines_.constLast().isEmpty())
        lines_.removeLast();
    setWindowTitle(captionFor(text, path));
    return true;
}

QString ReportViewer::documentName() const {
    if (!documentName_.isEmpty())
        return documentName_;
    const QFileInfo file(filePath_);
    return file.dir().filePath(file.completeBaseName());
}

bool ReportViewer::readTableHeads(const QString& path) {
    tableHeads_.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = file.readAll();
    tableHeads_ = parseTableHeads(std::string_view(text.constData(), std::size_t(text.size())));
    return true;
}

void ReportViewer::createSearchBar() {
    searchBar_ = new QWidget(this);
    auto* row = new QHBoxLayout(searchBar_);
    row->setContentsMargins(4, 2, 4, 2);

    auto* label = new QLabel(QStringLiteral("&Suchen:"), searchBar_);
    searchField_ = new QLineEdit(searchBar_);
    label->setBuddy(searchField_);
    auto* next = new QPushButton(QStringLiteral("&Weiter"), searchBar_);
    auto* previous = new QPushButton(QStringLiteral("&Zurück"), searchBar_);
    matchCase_ = new QCheckBox(QStringLiteral("&Groß-/Kleinschreibung"), searchBar_);
    searchNote_ = new QLabel(searchBar_);
    auto* close = new QToolButton(searchBar_);
    close->setText(QStringLiteral("×"));
    close->setToolTip(QStringLiteral("Suche schließen (Esc)"));

    row->addWidget(label);
    row->addWidget(searchField_, 1);
    row->addWidget(next);
    row->addWidget(previous);
    row->addWidget(matchCase_);
    row->addWidget(searchNote_);
    row->addWidget(close);

    connect(searchField_, &QLineEdit::returnPressed, this, [this] { findNext(); });
    connect(searchField_, &QLineEdit::textChanged, this, [this] { searchNote_->clear(); });
    connect(next, &QPushButton::clicked, this, [this] { findNext(); });
    connect(previous, &QPushButton::clicked, this, [this] { findPrevious(); });
    connect(close, &QToolButton::clicked, this, [this] {
        searchBar_->hide();
        text_->setFocus();
    });
    auto* escape = new QAction(searchBar_);
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    escape->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QAction::triggered, close, &QToolButton::click);
    searchBar_->addAction(escape);
    searchBar_->hide();
}

void ReportViewer::createActions() {
    QMenu* fileMenu = menuBar()->addMenu(QStringLiteral("&Datei"));
    QAction* saveAction = fileMenu->addAction(QStringLiteral("Speichern &unter…"));
    saveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(saveAction, &QAction::triggered, this, [this] { saveAs(); });
    QAction* printAction = fileMenu->addAction(QStringLiteral("&Drucken..."));
    printAction->setShortcut(QKeySequence::Print);
    connect(printAction, &QAction::triggered, this, [this] { print(); });
    fileMenu->addSeparator();
    QAction* quitAction = fileMenu->addAction(QStringLiteral("&Beenden"));
    quitAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
    connect(quitAction, &QAction::triggered, this, &QWidget::close);

    QMenu* editMenu = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    QAction* copyAction = editMenu->addAction(QStringLiteral("&Kopieren"));
    copyAction->setShortcut(QKeySequence::Copy);
    connect(copyAction, &QAction::triggered, text_, &QPlainTextEdit::copy);
    QAction* selectAllAction = editMenu->addAction(QStringLiteral("&Alles markieren"));
    selectAllAction->setShortcut(QKeySequence::SelectAll);
    connect(selectAllAction, &QAction::triggered, text_, &QPlainTextEdit::selectAll);
    editMenu->addSeparator();
    QAction* findAction = editMenu->addAction(QStringLiteral("&Suchen..."));
    findAction->setShortcut(QKeySequence::Find);
    connect(findAction, &QAction::triggered, this, &ReportViewer::showSearchBar);
    QAction* nextAction = editMenu->addAction(QStringLiteral("&Weitersuchen"));
    nextAction->setShortcut(QKeySequence(Qt::Key_F3));
    connect(nextAction, &QAction::triggered, this, [this] { findNext(); });
    QAction* previousAction = editMenu->addAction(QStringLiteral("&Rückwärts suchen"));
    previousAction->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3));
    connect(previousAction, &QAction::triggered, this, [this] { findPrevious(); });

    QMenu* viewMenu = menuBar()->addMenu(QStringLiteral("&Ansicht"));
    QAction* largerAction = viewMenu->addAction(QStringLiteral("Schrift &größer"));
    largerAction->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(largerAction, &QAction::triggered, this, [this] { zoom(1); });
    QAction* smallerAction = viewMenu->addAction(QStringLiteral("Schrift &kleiner"));
    smallerAction->setShortcut(QKeySequence::ZoomOut);
    connect(smallerAction, &QAction::triggered, this, [this] { zoom(-1); });
}

void ReportViewer::showSearchBar() {
    searchBar_->show();
    searchField_->setFocus();
    searchField_->selectAll();
}

void ReportViewer::setSearchText(const QString& text) {
    searchField_->setText(text);
}

QString ReportViewer::searchNote() const {
    return searchNote_->text();
}

bool ReportViewer::findNext() {
    return find(false);
}

bool ReportViewer::findPrevious() {
    return find(true);
}

bool ReportViewer::find(bool backwards) {
    const QString needle = searchField_->text();
    if (needle.isEmpty()) {
        showSearchBar();
        return false;
    }
    QTextDocument::FindFlags flags;
    if (backwards)
        flags |= QTextDocument::FindBackward;
    if (matchCase_->isChecked())
        flags |= QTextDocument::FindCaseSensitively;

    QTextDocument* document = text_->document();
    QTextCursor found = document->find(needle, text_->textCursor(), flags);
    if (found.isNull()) {
        // Once round the end of the report, as text editors do.
        QTextCursor wrapped(document);
        if (backwards)
            wrapped.movePosition(QTextCursor::End);
        found = document->find(needle, wrapped, flags);
    }
    if (found.isNull()) {
        searchNote_->setText(QStringLiteral("'%1' nicht gefunden").arg(needle));
        QApplication::beep();
        return false;
    }
    searchNote_->clear();
    text_->setTextCursor(found);
    text_->ensureCursorVisible();
    return true;
}

bool ReportViewer::print() {
    QPrinter printer(QPrinter::HighResolution);
    // The print dialog proposes the document name with its last extension
    // replaced by ".pdf"; ending the name in ".pdf" keeps every dot before.
    printer.setDocName(QFileInfo(documentName()).fileName() + QStringLiteral(".pdf"));
    const QTextCursor cursor = text_->textCursor();
    if (cursor.hasSelection())
        printer.setPrintRange(QPrinter::Selection);
    if (!printerQuery_(printer, this))
        return false;

    int first = 0;
    int end = static_cast<int>(lines_.size());
    if (printer.printRange() == QPrinter::Selection && cursor.hasSelection()) {
        // Whole lines: from the selection's first line to its last.
        QTextDocument* document = text_->document();
        first = document->findBlock(cursor.selectionStart()).blockNumber();
        end = document->findBlock(cursor.selectionEnd()).blockNumber() + 1;
    }
    QFont font = text_->font();
    font.setPointSizeF(printFontSize);
    if (!printReportLines(printer, lines_, first, end, tableHeads_, font)) {
        errorReport_(this, QStringLiteral("Der Drucker kann nicht gestartet werden."));
        return false;
    }
    statusBar()->showMessage(QStringLiteral("Gedruckt"), 3000);
    return true;
}

bool ReportViewer::saveAs() {
    const QString path = saveFileQuery_(this, documentName() + QStringLiteral(".txt"));
    if (path.isEmpty())
        return false;
    // Through a temporary file, so that a failed write leaves the old file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes_) != bytes_.size() || !file.commit()) {
        errorReport_(this, QStringLiteral("Fehler beim Schreiben der Datei '%1'.").arg(path));
        return false;
    }
    statusBar()->showMessage(QStringLiteral("Gespeichert: %1").arg(path), 5000);
    return true;
}

void ReportViewer::zoom(int steps) {
    QFont font = text_->font();
    const qreal size = font.pointSizeF() + steps;
    if (size < 4 || size > 48)
        return;
    font.setPointSizeF(size);
    text_->setFont(font);
}

} // namespace venkar
