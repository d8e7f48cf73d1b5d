#pragma once

#include <QDialog>

namespace venkar {

class TMyEdit;

// The small value dialog: caption "Wert", a number field, "Ok" (default) and
// "Cancel".
class TCellDialog1 : public QDialog {
    Q_OBJECT
public:
    explicit TCellDialog1(QWidget* parent = nullptr);
    TMyEdit* edit() const { return edit_; }
    // The number in the field (full precision; the field is normalised).
    double value();

private:
    TMyEdit* edit_;
};

} // namespace venkar
