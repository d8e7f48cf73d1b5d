#pragma once

#include "checks/InputFault.h"
#include "documents/DocumentDialogs.h"

#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class QTabWidget;
class QToolBar;
class QVBoxLayout;

namespace venkar {

class CheckListener;
class Documents;
class InputContainer;
class InputMessages;
class Model;
class TUserGrid;
class UndoHistory;

// One column of an input page: what the cell holds and how it is shown.
struct ColumnSpec {
    enum Kind {
        Real,      // TUserInt uDouble with a format
        Int,       // TUserInt uInteger "%d"
        Flag,      // TUserList "N"/"J", Filter "1J0N", one character
        Curvature, // TUserList "Innen"/"Außen"
    };
    Kind kind;
    int width; // ColWidth; 0 keeps the default 64
    bool center = false;
    const char* format = ""; // Real only
};

// One tab page: the grid's name, its help context and its columns. The tab
// caption and the header texts are the table's own (ColumnCaptions).
struct PageSpec {
    const char* gridName;
    int helpContext;
    std::vector<ColumnSpec> columns; // grid columns 1..n
};

// The frame shared by the system and the load window: a tool bar with the
// file commands, row deletion and the plausibility check above a set of
// pages (tabs at the bottom), each one grid bound to one table. The window
// holds no data: everything typed goes into the model's tables.
class InputForm : public QWidget, public DocumentListener {
    Q_OBJECT
public:
    ~InputForm() override;

    DocumentKind kind() const { return kind_; }
    QTabWidget* pages() const { return pages_; }
    int pageCount() const;
    TUserGrid* grid(int page) const;
    TUserGrid* currentGrid() const;
    QToolBar* toolBar() const { return toolBar_; }
    UndoHistory& history() const { return *history_; }
    // Help context of the window and of the current page.
    int helpContext() const { return helpContext_; }
    int pageHelpContext() const;

    // The caption: the window's name followed by the file name.
    void setFileName(const QString& path);
    // Runs the document's plausibility check and presents a fault: the page,
    // the cursor on the faulty cell, then the message box "Eingabefehler".
    // A passed check is told to the check listener. False when a fault was
    // found.
    bool checkPlausibility();
    // Told of every passed check; null for none (not owned).
    void setCheckListener(CheckListener* listener) { checkListener_ = listener; }
    void presentFault(const InputFault& fault);
    // The grid of the current page takes the keyboard focus.
    void focusCurrentGrid();
    // Shows the next (+1) or previous (-1) page; no wrap-around.
    void stepPage(int step);

    void documentStateChanged() override;
    void modelChanged() override;

protected:
    // `model`, `documents` and `messages` must outlive the window (not
    // owned). Without `history` the window keeps its own undo history.
    InputForm(Model& model, Documents& documents, InputMessages& messages, DocumentKind kind,
              UndoHistory* history, QWidget* parent);

    // Builds the tool bar; `hints` are the five button hints left to right.
    void buildToolBar(const std::array<const char*, 5>& hints);
    // Adds a page bound to `table`, captioned with the table's captions.
    TUserGrid* addPage(const PageSpec& layout, InputContainer& table);
    // Puts `widget` between the tool bar and the pages.
    void addAboveToolBar(QWidget* widget);
    void finishConstruction(const char* caption, int width, int height, int helpContext);

    void showEvent(QShowEvent* event) override;

    virtual std::optional<InputFault> runCheck() const = 0;
    // Page index of a fault's page in this window.
    virtual int pageIndex(InputPage page) const = 0;
    // The model changed from outside the window (a file was read).
    virtual void refreshFromModel() {}

    Model& model_;
    Documents& documents_;
    InputMessages& messages_;

private:
    void runCommand(void (InputForm::*command)());
    void newDocument();
    void openDocument();
    void saveDocument();
    void deleteCurrentRow();
    void runPlausibilityCheck();
    void showWindow();

    DocumentKind kind_;
    std::unique_ptr<UndoHistory> ownHistory_;
    UndoHistory* history_;
    QString caption_;
    int helpContext_ = 0;
    QVBoxLayout* layout_;
    QToolBar* toolBar_;
    QTabWidget* pages_;
    std::vector<TUserGrid*> grids_;
    CheckListener* checkListener_ = nullptr;
};

} // namespace venkar
