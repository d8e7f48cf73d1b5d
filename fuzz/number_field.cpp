// The number field of the value dialog: any text, typed character by
// character (commas become points, letters other than E are refused) or
// pasted whole, is normalised with either decimal separator. The normalised
// text must be short, normalise to itself and stand for the number read.
#include "input/GridText.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

QString typed(const QString& keys) {
    QString text;
    for (const QChar key : keys) {
        const QChar taken = venkar::numberFieldCharacter(key);
        if (!taken.isNull())
            text += taken;
    }
    return text;
}

bool sameNumber(double a, double b) {
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    if (std::isinf(a) || std::isinf(b))
        return a == b;
    // Six significant digits: the last one is rounded.
    return std::abs(a - b) <= 5e-6 * std::max(std::abs(a), std::abs(b)) + 1e-300;
}

void requireNormalForm(const QString& text, QChar separator) {
    double value = 0.0;
    const QString normal = venkar::normalisedNumberText(text, separator, &value);
    // "-1.23457e+308" is the longest form of six significant digits.
    if (normal.size() > 13)
        std::abort();
    double again = 0.0;
    if (venkar::normalisedNumberText(normal, separator, &again) != normal)
        std::abort();
    if (!sameNumber(value, again))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString pasted =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QChar separator : {QChar(u'.'), QChar(u',')}) {
        requireNormalForm(pasted, separator);
        requireNormalForm(typed(pasted), separator);
    }
    return 0;
}
