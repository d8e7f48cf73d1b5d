#include "model/FieldScanner.h"

#include <cctype>
#include <charconv>
#include <clocale>
#include <cstdlib>
#include <locale.h>

namespace venkar {

namespace {

bool isBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// The C locale, whatever the program's current locale is: a German LC_NUMERIC
// must not make "10,5" a number or "10.5" none.
locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", nullptr);
    return locale;
}

bool isSignedDigits(std::string_view token) {
    if (!token.empty() && (token.front() == '+' || token.front() == '-'))
        token.remove_prefix(1);
    if (token.empty())
        return false;
    for (char c : token)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

} // namespace

std::string_view FieldScanner::token() {
    while (!rest_.empty() && isBlank(rest_.front()))
        rest_.remove_prefix(1);
    std::size_t length = 0;
    while (length < rest_.size() && !isBlank(rest_[length]))
        ++length;
    if (length == 0)
        throw FieldRefused("Zu wenige Werte (der " + std::to_string(fieldsRead_ + 1) +
                           ". Wert fehlt)");
    const std::string_view field = rest_.substr(0, length);
    rest_.remove_prefix(length);
    ++fieldsRead_;
    return field;
}

void FieldScanner::refuseToken(const char* problem, std::string_view token) {
    throw FieldRefused(std::string(problem) + " \"" + std::string(token) + "\"");
}

int FieldScanner::integer(const char* badToken) {
    const std::string_view field = token();
    if (!isSignedDigits(field))
        refuseToken(badToken, field);
    // from_chars takes no plus sign.
    const std::string_view digits = field.front() == '+' ? field.substr(1) : field;
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size())
        refuseToken(badToken, field);
    return value;
}

double FieldScanner::real() {
    const std::string_view field = token();
    // Hexadecimal numbers and "nan(...)" are C forms but no decimal numbers.
    if (field.find_first_of("xX(") != std::string_view::npos)
        refuseToken("Ungültige Zahl", field);
    const std::string text(field);
    char* end = nullptr;
    const double value = strtod_l(text.c_str(), &end, cLocale());
    if (end != text.c_str() + text.size())
        refuseToken("Ungültige Zahl", field);
    return value;
}

bool FieldScanner::atEnd() const {
    for (char c : rest_)
        if (!isBlank(c))
            return false;
    return true;
}

void FieldScanner::finish() const {
    if (atEnd())
        return;
    std::string_view extra = rest_;
    while (isBlank(extra.front()))
        extra.remove_prefix(1);
    refuseToken("Überzähliger Text", extra);
}

} // namespace venkar
