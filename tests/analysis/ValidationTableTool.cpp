// venkar-validation-table: writes docs/validation.md to standard output,
// calculated from the validation cases.
#include "ValidationCases.h"

#include <iostream>

int main() {
    std::cout << venkar::test::validationMarkdown(venkar::test::validationRows());
    return 0;
}
