#include "model/Error.h"

#include <gtest/gtest.h>

namespace venkar {
namespace {

TEST(Error, ReadingErrorNamesFileLineSectionAndLine) {
    const VenkarError error("Ungültige Zahl \"10,5\"",
                            ErrorOrigin{"plate.vla", 7, "SHELLLOAD", "    1 10,5"});
    EXPECT_STREQ(error.what(),
                 "plate.vla, Zeile 7 (Abschnitt SHELLLOAD): Ungültige Zahl \"10,5\"\n    1 10,5");
    EXPECT_EQ(error.reason(), "Ungültige Zahl \"10,5\"");
    EXPECT_EQ(error.origin().line, 7);
}

TEST(Error, FileNameAddedByTheCallerAndMissingPartsLeftOut) {
    const VenkarError fromText("Line to long", ErrorOrigin{"", 3, "", ""});
    EXPECT_STREQ(fromText.what(), "Zeile 3: Line to long");
    const VenkarError named = fromText.inFile("a.vsy");
    EXPECT_STREQ(named.what(), "a.vsy, Zeile 3: Line to long");
    EXPECT_EQ(named.reason(), "Line to long");

    const VenkarError plain("Nicht genügend Speicher");
    EXPECT_STREQ(plain.what(), "Nicht genügend Speicher");
    EXPECT_EQ(plain.origin().line, 0);
}

} // namespace
} // namespace venkar
