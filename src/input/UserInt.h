#pragma once

#include "input/UserCell.h"

namespace venkar {

// A number column: whole numbers (uInteger) or real numbers (uDouble), shown
// with a printf-style Format.
class TUserInt : public TUserCell {
public:
    enum Typ { uInteger, uDouble };

    TUserInt(Typ typ, QString format) : Format(std::move(format)), typ_(typ) {}

    QString Format; // "%#.6lg", "%d", ...; empty shows nothing
    Typ typ() const { return typ_; }

    QString ValueToText(CellValue value) const override;
    // uInteger: the leading integer; uDouble: the first "," becomes ".", then
    // the leading number. 0 when the text holds none.
    CellValue TextToValue(const QString& text) const override;
    // uInteger: digits only; uDouble: digits and "+,-.Ee".
    QChar Charfilter(QChar character) const override;
    // Integers are rounded to the nearest whole number (0 when out of range).
    CellValue Add(CellValue value, double x) const override;
    CellValue Mult(CellValue value, double x) const override;
    bool acceptsPastedText(const QString& text) const override;

private:
    Typ typ_;
};

} // namespace venkar
