#pragma once

#include <QMainWindow>
#include <QString>

#include <functional>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPrinter;
class QWidget;

namespace venkar {

// The window of the report viewer: one text report, read-only, in a
// fixed-width font, with a search bar, printing and the clipboard.
//
// The report lines are wide tables, so lines are never wrapped. Reports are
// UTF-8; a file that is not valid UTF-8 is read as Windows-1252, the code
// page of older reports.
class ReportViewer : public QMainWindow {
public:
    // Asks the user for a printer (the print dialog); true when the job
    // should go ahead. Replaced in tests.
    using PrinterQuery = std::function<bool(QPrinter& printer, QWidget* parent)>;

    explicit ReportViewer(QWidget* parent = nullptr);

    // Reads the report at `path` and shows it. On failure the previous text
    // stays, nothing is shown to the user and `error` (when given) receives
    // the German message.
    bool openFile(const QString& path, QString* error = nullptr);

    // The file shown, empty before the first successful openFile.
    QString filePath() const { return filePath_; }
    QPlainTextEdit* textView() const { return text_; }

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
    // Asks for a printer and prints the whole report (or only the
    // selection, when the dialog says so). Returns whether a job ran.
    bool print();

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
    PrinterQuery printerQuery_;
};

} // namespace venkar
