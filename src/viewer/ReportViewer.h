#pragma once

#include "reports/TableHeads.h"

#include <QByteArray>
#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPrinter;
class QWidget;

namespace venkar {

// The window of the report viewer: one text report, read-only, in a
// fixed-width font, with a search bar, "Speichern unter…", printing and the
// clipboard. Printed, a table continued on a page starts with its head
// again (setTableHeads) and every page carries its number.
//
// The report lines are wide tables, so lines are never wrapped. Reports are
// UTF-8; a file that is not valid UTF-8 is read as Windows-1252, the code
// page of older reports.
class ReportViewer : public QMainWindow {
public:
    // Asks the user for a printer (the print dialog); true when the job
    // should go ahead. Replaced in tests.
    using PrinterQuery = std::function<bool(QPrinter& printer, QWidget* parent)>;
    // Asks for the file to save the report in, starting at `suggested`;
    // empty when the user cancels. Replaced in tests.
    using SaveFileQuery = std::function<QString(QWidget* parent, const QString& suggested)>;
    // Shows an error message to the user. Replaced in tests.
    using ErrorReport = std::function<void(QWidget* parent, const QString& message)>;

    explicit ReportViewer(QWidget* parent = nullptr);

    // Reads the report at `path` and shows it. On failure the previous text
    // stays, nothing is shown to the user and `error` (when given) receives
    // the German message.
    bool openFile(const QString& path, QString* error = nullptr);

    // The file shown, empty before the first successful openFile.
    QString filePath() const { return filePath_; }
    QPlainTextEdit* textView() const { return text_; }

    // The name the report is saved and printed under, a path without
    // extension ("/daten/silo-ergebnisse"): "Speichern unter…" suggests it
    // with ".txt", the print dialog its file name with ".pdf". Without one
    // the report file's own name stands in.
    void setDocumentName(const QString& name) { documentName_ = name; }
    QString documentName() const;

    // The heads of the report's tables (from the report writer's side
    // file), used in printing.
    void setTableHeads(std::vector<TableHead> heads) { tableHeads_ = std::move(heads); }
    const std::vector<TableHead>& tableHeads() const { return tableHeads_; }
    // Reads the side file `path`; false (and no heads) when it cannot be
    // read.
    bool readTableHeads(const QString& path);

    // Shows the search bar with the field focused and its text selected.
    void showSearchBar();
    // Finds the search text after (or before) the current selection,
    // wrapping around the end of the report once. Returns whether it was
    // found; the found text becomes the selection. An empty search text
    // opens the search bar instead.
    bool findNext();
    bool findPrevious();
    void setSearchText(const QString& text);
    // The line under the search field: empty, or the "not found" note.
    QString searchNote() const;

    void setPrinterQuery(PrinterQuery query) { printerQuery_ = std::move(query); }
    // Asks for a printer and prints the whole report (or only the lines of
    // the selection, when the dialog says so). Returns whether a job ran.
    bool print();

    void setSaveFileQuery(SaveFileQuery query) { saveFileQuery_ = std::move(query); }
    void setErrorReport(ErrorReport report) { errorReport_ = std::move(report); }
    // "Speichern unter…": asks for a file and writes the report into it,
    // byte for byte as it was read. Returns whether the file was written; a
    // failure is reported and leaves an existing file as it was.
    bool saveAs();

private:
    void createActions();
    void createSearchBar();
    bool find(bool backwards);
    void zoom(int steps);

    QPlainTextEdit* text_ = nullptr;
    QWidget* searchBar_ = nullptr;
    QLineEdit* searchField_ = nullptr;
    QCheckBox* matchCase_ = nullptr;
    QLabel* searchNote_ = nullptr;
    QString filePath_;
    QByteArray bytes_;  // the report as read
    QStringList lines_; // its lines, as printed
    QString documentName_;
    std::vector<TableHead> tableHeads_;
    PrinterQuery printerQuery_;
    SaveFileQuery saveFileQuery_;
    ErrorReport errorReport_;
};

} // namespace venkar
