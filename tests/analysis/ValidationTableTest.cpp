// The closed-form comparisons of ValidationCases, each within its tolerance,
// and docs/validation.md as their table.
#include "ValidationCases.h"

#include "model/TextFile.h"

#include <gtest/gtest.h>

#include <cmath>

namespace venkar::test {
namespace {

TEST(ValidationTable, EveryCaseAgreesWithItsReference) {
    const std::vector<ValidationRow> rows = validationRows();
    ASSERT_GE(rows.size(), 20u);
    for (const ValidationRow& row : rows)
        EXPECT_LE(std::fabs(relativeDifference(row)), row.tolerance)
            << row.caseName << ": " << row.quantity << " = " << row.computed << ", expected "
            << row.expected;
}

TEST(ValidationTable, DocumentMatchesTheCases) {
    const std::optional<std::string> document =
        readTextFile(std::string(VENKAR_SOURCE_DIR) + "/docs/validation.md");
    ASSERT_TRUE(document.has_value()) << "docs/validation.md is missing";
    EXPECT_EQ(*document, validationMarkdown(validationRows()))
        << "docs/validation.md differs from the validation cases; regenerate it with\n"
           "    build/tests/analysis/venkar-validation-table > docs/validation.md";
}

TEST(ValidationTable, ReadmeShowsTheSameTable) {
    const std::optional<std::string> readme =
        readTextFile(std::string(VENKAR_SOURCE_DIR) + "/README.md");
    ASSERT_TRUE(readme.has_value());
    const std::string document = validationMarkdown(validationRows());
    const std::string table = document.substr(document.find("| case |"));
    EXPECT_NE(readme->find(table), std::string::npos)
        << "the validation table in README.md differs from docs/validation.md; copy it over";
}

TEST(ValidationTable, MarkdownShowsTheSignedDifferenceInPercent) {
    const std::string text = validationMarkdown({{"Case", "Book: a = b", "w", 2.0, 2.01, 0.01}});
    EXPECT_NE(text.find("| Case | Book: a = b | w | 2 | 2.01 | +0.50 % |\n"), std::string::npos)
        << text;
}

} // namespace
} // namespace venkar::test
