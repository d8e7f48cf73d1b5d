#pragma once

#include "model/InputContainer.h"

#include <QColor>
#include <QString>

namespace venkar {

// Windows colour values (0x00BBGGRR) of the grid cells.
namespace cellcolors {
inline constexpr unsigned readOnlyInBlock = 0x808080;
inline constexpr unsigned readOnly = 0xC0C0C0;
inline constexpr unsigned onlyReadColumn = 0x808080;
inline constexpr unsigned selectedCell = 0xFFFF00;
inline constexpr unsigned block = 0xFF0000;
inline constexpr unsigned listColumn = 0xFFFFE1;
inline constexpr unsigned plain = 0xFFFFFF;
inline constexpr unsigned rowMarker = 0x0000FF;
} // namespace cellcolors

// A Windows colour value 0x00BBGGRR as a QColor.
QColor windowsColor(unsigned bgr);

// The descriptor of one grid column: how its values become text and back,
// which typed characters it takes and how it is drawn. A grid owns its
// descriptors; the conversions are plain functions of text and value, usable
// without a widget.
class TUserCell {
public:
    enum class CellType { Plain = 0, List = 1 };

    virtual ~TUserCell() = default;

    int Column = -1;     // grid column (>= 1); negative: not registered
    int MaxTextLen = 0;  // 0: no limit; reaching it moves the cursor on
    int ColWidth = 0;    // requested width in pixels; 0 keeps the grid's default
    bool Center = false; // centre the text instead of indenting it 3 pixels
    // Character pairs: a typed first character becomes the second ("1J0N").
    QString Filter;
    bool OnlyRead = false; // display-only column: skipped, no caret, grey

    virtual QString ValueToText(CellValue value) const = 0;
    virtual CellValue TextToValue(const QString& text) const = 0;
    // Mends the whole edit text after a change; returns false when it had to
    // refuse the change (the caller beeps).
    virtual bool Textfilter(QString& /*text*/) const { return true; }
    // The character as the column takes it, or a null QChar when refused.
    virtual QChar Charfilter(QChar character) const { return character; }
    virtual CellValue Add(CellValue value, double /*x*/) const { return value; }
    virtual CellValue Mult(CellValue value, double /*x*/) const { return value; }
    virtual CellType GetCellTyp() const { return CellType::Plain; }
    // Whether a pasted field is a value of this column, as its text: false
    // for a field that does not read wholly as a value ("12 kN").
    virtual bool acceptsPastedText(const QString& /*text*/) const { return true; }

    // The Filter mapping of one typed character.
    QChar ApplyFilter(QChar character) const;
    // Background colour (Windows value) of a cell, given its state.
    struct CellState {
        bool readOnly = false;
        bool inBlock = false;
        bool selectedInFocus = false;
    };
    unsigned CellColor(const CellState& state) const;
};

} // namespace venkar
