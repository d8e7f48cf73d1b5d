#include "graphics/TextEncoding.h"

#include <gtest/gtest.h>

using namespace venkar;

TEST(TextEncoding, RecognisesWellFormedUtf8Only) {
    EXPECT_TRUE(isValidUtf8(""));
    EXPECT_TRUE(isValidUtf8("plain ASCII"));
    EXPECT_TRUE(isValidUtf8("Überstand € 編 \xF0\x9F\x98\x80"));
    EXPECT_FALSE(isValidUtf8("\xDC"
                             "berstand"));         // Windows-1252 "Ü"
    EXPECT_FALSE(isValidUtf8("\xC3"));             // cut short
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));         // overlong "/"
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80")); // above U+10FFFF
}

TEST(TextEncoding, ConvertsBetweenWindows1252AndUtf8) {
    EXPECT_EQ(windows1252ToUtf8("Gr\xF6\xDF"
                                "e \x80 \x84z\x93 \x81"),
              "Größe € „z“ \xC2\x81");
    EXPECT_EQ(utf8ToWindows1252("Größe € „z“ \xC2\x81").value(), "Gr\xF6\xDF"
                                                                 "e \x80 \x84z\x93 \x81");
    EXPECT_FALSE(utf8ToWindows1252("Pfeil →").has_value());
    EXPECT_FALSE(utf8ToWindows1252("\xFF").has_value());

    std::string everyByte;
    for (int b = 1; b < 256; ++b)
        everyByte.push_back(static_cast<char>(b));
    EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(everyByte)).value(), everyByte);
}

TEST(TextEncoding, DecodesCharactersAndTakesStrayBytesAsWindows1252) {
    EXPECT_EQ(decodeUtf8("aß€"), (std::vector<char32_t>{U'a', U'ß', U'€'}));
    EXPECT_EQ(decodeUtf8("a\xDC"
                         "b"),
              (std::vector<char32_t>{U'a', U'Ü', U'b'}));
}
