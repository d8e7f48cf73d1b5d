#pragma once

#include <QLineEdit>

namespace venkar {

class InputMessages;

// The number field of the value dialog. Typing maps "," to "." and "e" to
// "E", refuses other letters with a beep and turns Enter into a move to the
// next control; leaving the field normalises the text to 6 significant
// digits. Every change by the user is reported to the parent as message 1025.
class TMyEdit : public QLineEdit {
    Q_OBJECT
public:
    // `messages` (not owned; may be null) gives the beep.
    explicit TMyEdit(QWidget* parent = nullptr, InputMessages* messages = nullptr);

    // Normalises the text and returns the full-precision number it holds.
    double value();
    void normalise();

    // The character as the field takes it; a null QChar when refused.
    static QChar mapCharacter(QChar character);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    InputMessages* messages_;
    bool normalising_ = false;
};

} // namespace venkar
