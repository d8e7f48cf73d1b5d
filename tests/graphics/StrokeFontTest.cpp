#include "graphics/StrokeFont.h"
#include "graphics/Picture.h"

#include "support/Tolerance.h"

#include <gtest/gtest.h>

#include <numbers>
#include <string>

using namespace venkar;
using venkar::test::isClose;

namespace {

std::vector<LineCommand> linesOf(const Picture& picture) {
    std::vector<LineCommand> lines;
    for (const PictureCommand& command : picture.commands()) {
        if (const auto* line = std::get_if<LineCommand>(&command))
            lines.push_back(*line);
    }
    return lines;
}

// The text origin of a text starting with "L": its first stroke runs from
// the cap line down to the origin.
Vector2 originOfL(const Picture& picture) {
    return linesOf(picture).at(0).end;
}

} // namespace

TEST(StrokeFont, HoldsEveryGlyphWithItsAdvance) {
    const std::string digits = "0123456789";
    EXPECT_EQ(glyphFor(U'0').advance(), 620);
    EXPECT_EQ(glyphFor(U'1').advance(), 500);
    for (char c = '2'; c <= '9'; ++c)
        EXPECT_EQ(glyphFor(static_cast<char32_t>(c)).advance(), 740) << c;
    for (char c = 'A'; c <= 'Z'; ++c) {
        const int expected = c == 'I' ? 500 : (c == 'V' || c == 'W') ? 1000 : 750;
        EXPECT_EQ(glyphFor(static_cast<char32_t>(c)).code, static_cast<char32_t>(c));
        EXPECT_EQ(glyphFor(static_cast<char32_t>(c)).advance(), expected) << c;
    }
    for (const char32_t c : {U'Ä', U'Ö', U'Ü'}) {
        EXPECT_EQ(glyphFor(c).code, c);
        EXPECT_EQ(glyphFor(c).advance(), 750);
    }
    const std::pair<char32_t, int> others[] = {{U' ', 500}, {U'+', 740}, {U'-', 740}, {U'=', 740},
                                               {U'.', 240}, {U',', 370}, {U'(', 500}, {U')', 500},
                                               {U'&', 750}, {U'°', 500}};
    for (const auto& [c, advance] : others) {
        EXPECT_EQ(glyphFor(c).code, c);
        EXPECT_EQ(glyphFor(c).advance(), advance);
    }
    EXPECT_EQ(strokeFontGlyphs().size(), 10u + 26u + 3u + 10u);
}

TEST(StrokeFont, GlyphsStayWithinTheirMetrics) {
    for (const Glyph& glyph : strokeFontGlyphs()) {
        SCOPED_TRACE(static_cast<int>(glyph.code));
        ASSERT_GE(glyph.strokes.size(), 1u);
        ASSERT_LE(glyph.strokes.size(), 3u);
        for (const GlyphStroke& stroke : glyph.strokes) {
            for (const GlyphPoint& p : stroke.points) {
                EXPECT_GE(p.x, 0);
                EXPECT_LT(p.x, glyph.advance());
                EXPECT_GE(p.y, -1160);
                EXPECT_LE(p.y, 170);
                // Only the comma drops below the baseline and only the
                // umlaut dots rise above the cap line.
                if (glyph.code != U',') {
                    EXPECT_LE(p.y, 0);
                }
                const bool umlaut = glyph.code == U'Ä' || glyph.code == U'Ö' || glyph.code == U'Ü';
                if (!umlaut) {
                    EXPECT_GE(p.y, -1000);
                }
            }
        }
    }
}

TEST(StrokeFont, GivenGlyphsUseTheirExactPolylines) {
    const auto points = [](char32_t c, std::size_t stroke) {
        std::vector<std::pair<int, int>> out;
        for (const GlyphPoint& p : glyphFor(c).strokes.at(stroke).points)
            out.emplace_back(p.x, p.y);
        return out;
    };
    using P = std::vector<std::pair<int, int>>;
    EXPECT_EQ(points(U'A', 0),
              (P{{0, 0}, {0, -335}, {250, -1000}, {500, -335}, {0, -335}, {500, -335}, {500, 0}}));
    EXPECT_EQ(points(U'Ä', 0), points(U'A', 0));
    EXPECT_EQ(points(U'Ä', 1), (P{{120, -1000}, {120, -1160}}));
    EXPECT_EQ(points(U'Ü', 2), (P{{380, -1000}, {380, -1160}}));
    EXPECT_EQ(points(U'Ö', 0), (P{{0, 0}, {0, -1000}, {500, -1000}, {500, 0}, {0, 0}}));
    EXPECT_EQ(points(U'1', 0), (P{{0, -835}, {125, -1000}, {125, 0}, {0, 0}, {250, 0}}));
    EXPECT_EQ(points(U'=', 1), (P{{0, -300}, {500, -300}}));
    EXPECT_EQ(points(U',', 0),
              (P{{0, 165}, {125, 0}, {125, -165}, {130, -165}, {130, 5}, {5, 170}}));
}

TEST(StrokeFont, LowerCaseDrawsAsCapitalsAndMissingCharactersAsBlanks) {
    Picture lower;
    drawText(lower, 1.0, {0, 0}, 0.0, 0.0, 1.0, colours::black, "abc", 0);
    Picture upper;
    drawText(upper, 1.0, {0, 0}, 0.0, 0.0, 1.0, colours::black, "ABC", 0);
    const std::vector<LineCommand> a = linesOf(lower);
    const std::vector<LineCommand> b = linesOf(upper);
    ASSERT_EQ(a.size(), b.size());
    ASSERT_GT(a.size(), 0u);
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].start.x, b[i].start.x);
        EXPECT_EQ(a[i].end.y, b[i].end.y);
    }

    EXPECT_EQ(textWidth("ß"), 500);
    EXPECT_EQ(textWidth("ä%"), 1000);
    EXPECT_EQ(textWidth("AßB"), 2000);
    // "ß" draws nothing and moves "L" on by a blank: 750 + 500 units.
    Picture gap;
    drawText(gap, 1.0, {0, 0}, 0.0, 0.0, 1.0, colours::black, "ßL", TextAbove);
    const std::vector<LineCommand> lines = linesOf(gap);
    EXPECT_EQ(lines.size(), 2u);
    EXPECT_TRUE(isClose(lines[0].start.x, 0.5));
}

TEST(DrawText, PlacementFlagsMoveTheOriginAroundTheAnchor) {
    const Vector2 anchor{10, 20};
    const double height = 2.0, gap = 0.5, scale = 1.5;
    const double h = scale * height, g = scale * gap;
    const double w = textWidth("LL") * h * 0.001;
    const auto origin = [&](unsigned flags) {
        Picture picture;
        drawText(picture, scale, anchor, 0.0, gap, height, colours::black, "LL", flags);
        return originOfL(picture);
    };
    const auto expectAt = [](Vector2 actual, double x, double y) {
        EXPECT_TRUE(isClose(actual.x, x));
        EXPECT_TRUE(isClose(actual.y, y));
    };
    expectAt(origin(0), 10, 20 + h / 2);
    expectAt(origin(TextCentred | TextAbove), 10 - w / 2, 20 - g);
    expectAt(origin(TextLeft), 10 - w - g, 20 + h / 2);
    expectAt(origin(TextRight | TextBelow), 10 + g, 20 + h + g);
    expectAt(origin(TextAbove | TextBelow), 10, 20 - g);

    // Turned by 90 degrees the baseline runs down the page.
    Picture turned;
    drawText(turned, scale, anchor, std::numbers::pi / 2, gap, height, colours::black, "LL",
             TextRight | TextAbove);
    const std::vector<LineCommand> lines = linesOf(turned);
    expectAt(lines[0].end, 10 + g, 20 + g);
    // The second "L" starts 750 units further along the baseline.
    expectAt(lines[2].end, 10 + g, 20 + g + 0.75 * h);
}

TEST(DrawText, DrawsWithATenthOfTheHeightAndRestoresThePen) {
    Picture picture;
    picture.setPen(colours::red, 0.5);
    drawText(picture, 2.0, {0, 0}, 0.0, 0.0, 3.0, colours::blue, "-", 0);
    EXPECT_EQ(picture.lastPenColour(), colours::red);
    EXPECT_EQ(picture.lastPenWidth(), 0.5);
    const auto& commands = picture.commands();
    ASSERT_EQ(commands.size(), 7u);
    EXPECT_EQ(std::get<PenColourCommand>(commands[2]).colour, colours::blue);
    EXPECT_TRUE(isClose(std::get<PenWidthCommand>(commands[3]).width, 0.6));
    EXPECT_TRUE(std::holds_alternative<LineCommand>(commands[4]));
    EXPECT_EQ(std::get<PenColourCommand>(commands[5]).colour, colours::red);
    EXPECT_EQ(std::get<PenWidthCommand>(commands[6]).width, 0.5);
}
