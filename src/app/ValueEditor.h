#pragma once

#include <QDialog>

#include <optional>

class QLineEdit;
class QToolButton;

namespace venkar {

class GraphDialogs;
class SettingNode;

// The value editor "Wertänderung" for one number or text setting. It
// changes the node's variable directly:
// - the arrows add or subtract a tenth of the default at once (the control
//   counts from -10000 to 10000 and does not wrap);
// - "Voreinstellung" sets the default at once;
// - "&Ok" (also Esc) stores the typed text: a number in either "," or "."
//   notation, else the message "'...' ist kein gültiger Gleitkommawert" and
//   the dialog stays open;
// - the close box keeps what the arrows and "Voreinstellung" did, but not
//   the typed text.
class TValueEditForm : public QDialog {
    Q_OBJECT
public:
    // `node` (a number or text setting) and `dialogs` are not owned and must
    // outlive the dialog.
    TValueEditForm(SettingNode& node, GraphDialogs& dialogs, QWidget* parent = nullptr);

    bool isNumberMode() const { return numberMode_; }
    QLineEdit* field() const { return field_; }
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

    // The buttons' actions, also for the tests.
    void stepUp();
    void stepDown();
    void resetToDefault();
    // Stores the field and closes; false (dialog open) for a text that is no
    // number.
    bool confirm();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void step(int direction);
    void showValue();

    SettingNode& node_;
    GraphDialogs& dialogs_;
    bool numberMode_ = true;
    int position_ = 0; // the up-down control's position
    QLineEdit* field_ = nullptr;
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
};

// Reads a number typed with "," or "." as decimal separator (blanks around
// it allowed); nothing for any other text.
std::optional<double> parseTypedNumber(const QString& text);

} // namespace venkar
