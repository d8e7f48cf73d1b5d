#include "input/GridText.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <string>

namespace venkar {

namespace {

// snprintf with a format chosen at run time (the column's format text).
template <class Number> QString formatNumber(const QString& format, Number value) {
    if (format.isEmpty())
        return {};
    const QByteArray printfFormat = format.toLatin1();
    char buffer[512];
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    const int length = std::snprintf(buffer, sizeof buffer, printfFormat.constData(), value);
#pragma GCC diagnostic pop
    if (length < 0)
        return {};
    return QString::fromLatin1(buffer, std::min<int>(length, sizeof buffer - 1));
}

std::string withFirstCommaAsPoint(const QString& text) {
    QString copy = text;
    const qsizetype comma = copy.indexOf(u',');
    if (comma >= 0)
        copy[comma] = u'.';
    return copy.toStdString();
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// Reads a number at the start of [begin, end) after blanks and an optional
// "+"; returns the end of what was read, or begin when nothing was.
template <class Number> const char* readNumber(const char* begin, const char* end, Number& value) {
    const char* p = begin;
    while (p != end && isBlank(*p))
        ++p;
    if (p != end && *p == '+' && (p + 1 == end || (p[1] != '-' && p[1] != '+')))
        ++p;
    Number number{};
    const auto [rest, error] = std::from_chars(p, end, number);
    if (rest == p)
        return begin;
    if constexpr (std::is_floating_point_v<Number>) {
        if (error == std::errc::result_out_of_range) {
            // Overflow saturates like strtod; underflow gives zero.
            const bool negative = *p == '-';
            const std::string digits(p, rest);
            const double magnitude = std::abs(std::strtod(digits.c_str(), nullptr));
            number = magnitude > 1.0 ? HUGE_VAL : 0.0;
            if (negative)
                number = -number;
        }
    } else if (error == std::errc::result_out_of_range) {
        number = 0;
    }
    value = number;
    return rest;
}

bool onlyBlanksFrom(const char* p, const char* end) {
    while (p != end && isBlank(*p))
        ++p;
    return p == end;
}

} // namespace

QString formatInt(const QString& format, int value) {
    return formatNumber(format, value);
}

QString formatDouble(const QString& format, double value) {
    return formatNumber(format, value);
}

int leadingInteger(const QString& text) {
    const std::string bytes = text.toStdString();
    int value = 0;
    readNumber(bytes.data(), bytes.data() + bytes.size(), value);
    return value;
}

double leadingDouble(const QString& text) {
    const std::string bytes = withFirstCommaAsPoint(text);
    double value = 0.0;
    readNumber(bytes.data(), bytes.data() + bytes.size(), value);
    return value;
}

std::optional<double> wholeDouble(const QString& text) {
    const std::string bytes = withFirstCommaAsPoint(text);
    const char* begin = bytes.data();
    const char* end = begin + bytes.size();
    double value = 0.0;
    const char* rest = readNumber(begin, end, value);
    if (rest == begin || !onlyBlanksFrom(rest, end))
        return std::nullopt;
    return value;
}

std::optional<int> wholeInteger(const QString& text) {
    const std::string bytes = text.toStdString();
    const char* begin = bytes.data();
    const char* end = begin + bytes.size();
    long long value = 0;
    const char* rest = readNumber(begin, end, value);
    if (rest == begin || !onlyBlanksFrom(rest, end) || value < INT_MIN || value > INT_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

bool isGridCharacter(QChar character) {
    const char16_t c = character.unicode();
    if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'))
        return true;
    static const QString others = QStringLiteral("()+,-.:<=>[\\]{}ÄÖÜßäöü");
    return others.contains(character);
}

QChar numberFieldCharacter(QChar character) {
    if (character == u',')
        return u'.';
    if (character == u'e')
        return u'E';
    if (character.isLetter() && character != u'E')
        return QChar();
    return character;
}

QString normalisedNumberText(const QString& text, QChar decimalSeparator, double* value) {
    QString points = text;
    points.replace(u',', u'.');
    const std::string bytes = points.toStdString();
    double number = 0.0;
    readNumber(bytes.data(), bytes.data() + bytes.size(), number);
    if (value)
        *value = number;
    QString normal = formatDouble(QStringLiteral("%g"), number);
    normal.replace(u'.', decimalSeparator);
    return normal;
}

} // namespace venkar
