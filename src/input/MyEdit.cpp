#include "input/MyEdit.h"

#include "input/GridText.h"
#include "input/InputMessages.h"
#include "input/WindowMessages.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLocale>

namespace venkar {

TMyEdit::TMyEdit(QWidget* parent, InputMessages* messages)
    : QLineEdit(parent), messages_(messages) {
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!normalising_ && parentWidget())
            QApplication::postEvent(parentWidget(),
                                    new WindowMessage(windowmessages::numberChanged));
    });
}

QChar TMyEdit::mapCharacter(QChar character) {
    return numberFieldCharacter(character);
}

void TMyEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusNextChild();
        return;
    }
    const QString text = event->text();
    if (text.size() != 1 || !text[0].isPrint() ||
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QChar mapped = mapCharacter(text[0]);
    if (mapped.isNull()) {
        if (messages_)
            messages_->beep();
        else
            QApplication::beep();
        return;
    }
    insert(QString(mapped));
}

void TMyEdit::focusOutEvent(QFocusEvent* event) {
    normalise();
    QLineEdit::focusOutEvent(event);
}

void TMyEdit::normalise() {
    const QString normal = normalisedNumberText(text(), QLocale().decimalPoint().at(0));
    if (normal == text())
        return;
    normalising_ = true;
    setText(normal);
    normalising_ = false;
}

double TMyEdit::value() {
    double number = 0.0;
    normalisedNumberText(text(), u'.', &number);
    normalise();
    return number;
}

} // namespace venkar
