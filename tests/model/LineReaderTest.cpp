#include "model/LineReader.h"
#include "model/Error.h"

#include <gtest/gtest.h>

using namespace venkar;

TEST(LineReader, StripsLineEndsAndTrailingBlanks) {
    LineReader in("first  \r\nsecond\n  third   ");
    EXPECT_EQ(in.readLine(), "first");
    EXPECT_EQ(in.readLine(), "second");
    EXPECT_EQ(in.readLine(), "  third");
    EXPECT_TRUE(in.atEnd());
    EXPECT_EQ(in.readLine(), "");
}

TEST(LineReader, ExpandsTabsToTheNextMultipleOfEight) {
    LineReader in("\tx\nab\tc\n");
    EXPECT_EQ(in.readLine(), "        x");
    EXPECT_EQ(in.readLine(), "ab      c");
}

TEST(LineReader, AcceptsAtMost196CharactersPerLine) {
    const std::string longest(196, 'a');
    LineReader ok(longest + "\n" + longest);
    EXPECT_EQ(ok.readLine(), longest);
    EXPECT_EQ(ok.readLine(), longest); // last line without line end

    LineReader tooLong(std::string(197, 'a') + "\n");
    EXPECT_THROW(
        {
            try {
                tooLong.readLine();
            } catch (const VenkarError& error) {
                EXPECT_STREQ(error.what(), "Zeile 1: Line to long");
                throw;
            }
        },
        VenkarError);

    // A tab counts with the blanks it expands to: 8 + 189 characters.
    LineReader tabbed("\t" + std::string(189, 'a') + "\n");
    EXPECT_THROW(tabbed.readLine(), VenkarError);
}

TEST(LineReader, FindLineMatchesPrefixIgnoringCaseAndWrapsAround) {
    LineReader in("one\nNODES\nnodesx\ntwo\n");
    std::string line;
    EXPECT_TRUE(in.findLine("two", &line));
    EXPECT_EQ(line, "two");
    EXPECT_TRUE(in.findLine("Nodes", &line)); // found after wrapping to the start
    EXPECT_EQ(line, "NODES");
    EXPECT_TRUE(in.findLine("NODES", &line)); // the next match, a prefix
    EXPECT_EQ(line, "nodesx");
    EXPECT_FALSE(in.findLine("SHELLS"));
    EXPECT_EQ(in.readLine(), "one"); // left rewound
}

TEST(LineReader, LeadingIntegerReadsLikeAtoi) {
    EXPECT_EQ(leadingInteger("  12abc"), 12);
    EXPECT_EQ(leadingInteger("-3"), -3);
    EXPECT_EQ(leadingInteger("x1"), 0);
    EXPECT_EQ(leadingInteger(""), 0);
    EXPECT_EQ(leadingInteger("99999999999999999999"), 2147483647);
}
