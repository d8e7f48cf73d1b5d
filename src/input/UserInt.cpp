#include "input/UserInt.h"

#include "input/GridText.h"

#include <cmath>

namespace venkar {

namespace {

CellValue roundedInt(double value) {
    return cellAsInt(std::round(value));
}

} // namespace

QString TUserInt::ValueToText(CellValue value) const {
    if (typ_ == uInteger)
        return formatInt(Format, cellAsInt(value));
    return formatDouble(Format, cellAsDouble(value));
}

CellValue TUserInt::TextToValue(const QString& text) const {
    if (typ_ == uInteger)
        return leadingInteger(text);
    return leadingDouble(text);
}

QChar TUserInt::Charfilter(QChar character) const {
    if (character.isDigit() && character.unicode() < 128)
        return character;
    if (typ_ == uDouble && QStringLiteral("+,-.Ee").contains(character))
        return character;
    return QChar();
}

CellValue TUserInt::Add(CellValue value, double x) const {
    if (typ_ == uInteger)
        return roundedInt(cellAsInt(value) + x);
    return cellAsDouble(value) + x;
}

CellValue TUserInt::Mult(CellValue value, double x) const {
    if (typ_ == uInteger)
        return roundedInt(cellAsInt(value) * x);
    return cellAsDouble(value) * x;
}

bool TUserInt::acceptsPastedText(const QString& text) const {
    if (typ_ == uInteger)
        return wholeInteger(text).has_value();
    return wholeDouble(text).has_value();
}

} // namespace venkar
