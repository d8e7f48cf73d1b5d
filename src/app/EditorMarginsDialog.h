#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QSpinBox;

namespace venkar {

class AppDialogs;
struct EditorAndMargins;

// The dialog "Editor und Seitenränder": the program that shows the text
// reports, and the page margins of printed graphics in whole millimetres
// (0 to 50), laid out like the sides of a page.
class TDruckerForm : public QDialog {
public:
    // `dialogs` answers the browse button (not owned; must outlive this).
    explicit TDruckerForm(AppDialogs& dialogs, QWidget* parent = nullptr);

    // Fills the fields; margins are truncated to whole millimetres.
    void setValues(const EditorAndMargins& values);
    // Takes the fields back into `values`.
    void takeValues(EditorAndMargins& values) const;
    // The command: shows the dialog modally; only "Ok" changes `values`.
    void edit(EditorAndMargins& values);

    QLineEdit* editorField() const { return editor_; }
    QPushButton* browseButton() const { return browse_; }
    QSpinBox* marginField(int side) const { return margins_[side]; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

    enum Side { Left, Right, Top, Bottom };

private:
    QWidget* buildEditorGroup();
    QWidget* buildMarginGroup();
    void browse();

    AppDialogs& dialogs_;
    QLineEdit* editor_ = nullptr;
    QPushButton* browse_ = nullptr;
    QSpinBox* margins_[4] = {};
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace venkar
