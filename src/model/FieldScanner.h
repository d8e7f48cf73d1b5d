#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace venkar {

// What is wrong with a row line, without where it stands; the section reader
// adds the file, the line number and the section.
class FieldRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the blank-separated fields of one file line, each completely as the
// number its column holds. An integer field is an optional sign and decimal
// digits; a real field is a decimal number as the C library reads it in the
// C locale (sign, digits, point, exponent, "inf", "nan"), never a decimal
// comma or hexadecimal. Every refusal throws FieldRefused.
class FieldScanner {
public:
    explicit FieldScanner(std::string_view line) : rest_(line) {}

    // The next field as an int. `badToken` names the refusal of a token that
    // is not one ("Ungültige Zahl" followed by the token in quotes).
    int integer(const char* badToken = "Ungültige Zahl");
    double real();
    // True when only blanks are left.
    bool atEnd() const;
    // Refuses any text left after the last field.
    void finish() const;

private:
    // The next blank-separated token; refuses a missing field.
    std::string_view token();
    [[noreturn]] static void refuseToken(const char* problem, std::string_view token);

    std::string_view rest_;
    int fieldsRead_ = 0;
};

} // namespace venkar
