#pragma once

#include <QString>

#include <optional>

namespace venkar {

// Text conversions of the input grids and their number field. Pure functions
// over text, independent of any widget; numbers are read and written with "."
// whatever the user's locale.

// printf-style formatting ("%#.6lg", "%d", ...) of one number; an empty
// format gives an empty text.
QString formatInt(const QString& format, int value);
QString formatDouble(const QString& format, double value);

// The leading decimal integer of the text (blanks and a sign allowed before
// it); 0 when there is none or when it does not fit an int.
int leadingInteger(const QString& text);
// The first "," becomes ".", then the leading floating-point number of the
// text is read; 0 when there is none. Too large magnitudes give +-HUGE_VAL,
// as the C conversion does.
double leadingDouble(const QString& text);
// The whole text (after the first "," became ".", blanks around it allowed)
// read as one number; none when anything else is left over ("1.234,5",
// "12 kN") or there is no number at all.
std::optional<double> wholeDouble(const QString& text);
std::optional<int> wholeInteger(const QString& text);

// The characters a grid accepts from the keyboard: letters, digits,
// "()+,-.:<=>[\]{}" and the German umlauts and sharp s. Anything else is
// dropped without a sound.
bool isGridCharacter(QChar character);

// The number field's typing: "," becomes ".", "e" becomes "E", every other
// letter is refused (a null QChar); anything else passes unchanged.
QChar numberFieldCharacter(QChar character);

// The number field's normalisation: commas become points, the leading number
// is read and written back with 6 significant digits and the given decimal
// separator. `value` receives the full-precision number read.
QString normalisedNumberText(const QString& text, QChar decimalSeparator, double* value = nullptr);

} // namespace venkar
