#include "graphics/StrokeFont.h"

#include "graphics/Picture.h"
#include "graphics/TextEncoding.h"

#include <algorithm>
#include <initializer_list>

namespace venkar {

int Glyph::advance() const {
    int widest = 0;
    for (const GlyphStroke& stroke : strokes)
        widest = std::max(widest, stroke.advance);
    return widest;
}

namespace {

// Advances of the glyph families.
constexpr int digitAdvance = 740;
constexpr int letterAdvance = 750;
constexpr int narrowAdvance = 500; // "I", blank, brackets, umlaut dots
constexpr int wideAdvance = 1000;  // "V", "W"

Glyph glyph(char32_t code, std::initializer_list<GlyphStroke> strokes) {
    return {code, strokes};
}

// A glyph of one stroke.
Glyph single(char32_t code, int advance, std::initializer_list<GlyphPoint> points) {
    return {code, {{advance, points}}};
}

// An umlaut: the strokes of its base letter and two dots above the cap line.
Glyph withDots(char32_t code, const Glyph& base) {
    Glyph umlaut{code, base.strokes};
    umlaut.strokes.push_back({narrowAdvance, {{120, -1000}, {120, -1160}}});
    umlaut.strokes.push_back({narrowAdvance, {{380, -1000}, {380, -1160}}});
    return umlaut;
}

// Block capitals 500 wide and 1000 high with corners cut at 125 (x) and 165
// (y); digits share the proportions.
std::vector<Glyph> buildFont() {
    std::vector<Glyph> font;
    auto add = [&font](Glyph g) { font.push_back(std::move(g)); };

    add(single(U'0', 620,
               {{125, -1000},
                {0, -835},
                {0, -165},
                {125, 0},
                {250, 0},
                {375, -165},
                {375, -835},
                {250, -1000},
                {125, -1000}}));
    add(single(U'1', 500, {{0, -835}, {125, -1000}, {125, 0}, {0, 0}, {250, 0}}));
    add(single(
        U'2', digitAdvance,
        {{0, -835}, {125, -1000}, {375, -1000}, {500, -835}, {500, -600}, {0, 0}, {500, 0}}));
    add(single(U'3', digitAdvance,
               {{0, -835},
                {125, -1000},
                {375, -1000},
                {500, -835},
                {500, -600},
                {375, -500},
                {125, -500},
                {375, -500},
                {500, -400},
                {500, -165},
                {375, 0},
                {125, 0},
                {0, -165}}));
    add(single(U'4', digitAdvance, {{375, 0}, {375, -1000}, {0, -335}, {500, -335}}));
    add(single(U'5', digitAdvance,
               {{500, -1000},
                {0, -1000},
                {0, -500},
                {375, -500},
                {500, -400},
                {500, -165},
                {375, 0},
                {125, 0},
                {0, -165}}));
    add(single(U'6', digitAdvance,
               {{500, -835},
                {375, -1000},
                {125, -1000},
                {0, -835},
                {0, -165},
                {125, 0},
                {375, 0},
                {500, -165},
                {500, -400},
                {375, -500},
                {0, -500}}));
    add(single(U'7', digitAdvance, {{0, -1000}, {500, -1000}, {125, 0}}));
    add(single(U'8', digitAdvance,
               {{125, -500},
                {0, -600},
                {0, -835},
                {125, -1000},
                {375, -1000},
                {500, -835},
                {500, -600},
                {375, -500},
                {125, -500},
                {0, -400},
                {0, -165},
                {125, 0},
                {375, 0},
                {500, -165},
                {500, -400},
                {375, -500}}));
    add(single(U'9', digitAdvance,
               {{0, -165},
                {125, 0},
                {375, 0},
                {500, -165},
                {500, -835},
                {375, -1000},
                {125, -1000},
                {0, -835},
                {0, -600},
                {125, -500},
                {500, -500}}));

    const Glyph a =
        single(U'A', letterAdvance,
               {{0, 0}, {0, -335}, {250, -1000}, {500, -335}, {0, -335}, {500, -335}, {500, 0}});
    add(a);
    add(single(U'B', letterAdvance,
               {{0, 0},
                {0, -1000},
                {375, -1000},
                {500, -835},
                {500, -600},
                {375, -500},
                {0, -500},
                {375, -500},
                {500, -400},
                {500, -165},
                {375, 0},
                {0, 0}}));
    add(single(U'C', letterAdvance,
               {{500, -835},
                {375, -1000},
                {125, -1000},
                {0, -835},
                {0, -165},
                {125, 0},
                {375, 0},
                {500, -165}}));
    add(single(U'D', letterAdvance,
               {{0, 0}, {0, -1000}, {375, -1000}, {500, -835}, {500, -165}, {375, 0}, {0, 0}}));
    add(glyph(U'E', {{letterAdvance, {{500, 0}, {0, 0}, {0, -1000}, {500, -1000}}},
                     {letterAdvance, {{0, -500}, {375, -500}}}}));
    add(glyph(U'F', {{letterAdvance, {{0, 0}, {0, -1000}, {500, -1000}}},
                     {letterAdvance, {{0, -500}, {375, -500}}}}));
    add(single(U'G', letterAdvance,
               {{500, -835},
                {375, -1000},
                {125, -1000},
                {0, -835},
                {0, -165},
                {125, 0},
                {375, 0},
                {500, -165},
                {500, -500},
                {250, -500}}));
    add(glyph(U'H', {{letterAdvance, {{0, 0}, {0, -1000}}},
                     {letterAdvance, {{500, 0}, {500, -1000}}},
                     {letterAdvance, {{0, -500}, {500, -500}}}}));
    add(single(U'I', narrowAdvance,
               {{0, -1000}, {250, -1000}, {125, -1000}, {125, 0}, {0, 0}, {250, 0}}));
    add(single(U'J', letterAdvance,
               {{250, -1000}, {500, -1000}, {500, -165}, {375, 0}, {125, 0}, {0, -165}}));
    add(glyph(U'K', {{letterAdvance, {{0, 0}, {0, -1000}}},
                     {letterAdvance, {{500, -1000}, {0, -500}, {500, 0}}}}));
    add(single(U'L', letterAdvance, {{0, -1000}, {0, 0}, {500, 0}}));
    add(single(U'M', letterAdvance, {{0, 0}, {0, -1000}, {250, -500}, {500, -1000}, {500, 0}}));
    add(single(U'N', letterAdvance, {{0, 0}, {0, -1000}, {500, 0}, {500, -1000}}));
    const Glyph o =
        single(U'O', letterAdvance, {{0, 0}, {0, -1000}, {500, -1000}, {500, 0}, {0, 0}});
    add(o);
    add(single(
        U'P', letterAdvance,
        {{0, 0}, {0, -1000}, {375, -1000}, {500, -835}, {500, -665}, {375, -500}, {0, -500}}));
    add(glyph(U'Q', {{letterAdvance, {{0, 0}, {0, -1000}, {500, -1000}, {500, 0}, {0, 0}}},
                     {letterAdvance, {{250, -250}, {500, 0}}}}));
    add(single(U'R', letterAdvance,
               {{0, 0},
                {0, -1000},
                {375, -1000},
                {500, -835},
                {500, -665},
                {375, -500},
                {0, -500},
                {125, -500},
                {500, 0}}));
    add(single(U'S', letterAdvance,
               {{500, -835},
                {375, -1000},
                {125, -1000},
                {0, -835},
                {0, -665},
                {125, -500},
                {375, -500},
                {500, -335},
                {500, -165},
                {375, 0},
                {125, 0},
                {0, -165}}));
    add(glyph(U'T', {{letterAdvance, {{0, -1000}, {500, -1000}}},
                     {letterAdvance, {{250, -1000}, {250, 0}}}}));
    const Glyph u = single(U'U', letterAdvance,
                           {{0, -1000}, {0, -165}, {125, 0}, {375, 0}, {500, -165}, {500, -1000}});
    add(u);
    add(single(U'V', wideAdvance, {{0, -1000}, {375, 0}, {750, -1000}}));
    add(single(U'W', wideAdvance, {{0, -1000}, {188, 0}, {375, -665}, {563, 0}, {750, -1000}}));
    add(glyph(U'X',
              {{letterAdvance, {{0, -1000}, {500, 0}}}, {letterAdvance, {{500, -1000}, {0, 0}}}}));
    add(glyph(U'Y', {{letterAdvance, {{0, -1000}, {250, -500}, {500, -1000}}},
                     {letterAdvance, {{250, -500}, {250, 0}}}}));
    add(single(U'Z', letterAdvance, {{0, -1000}, {500, -1000}, {0, 0}, {500, 0}}));
    add(withDots(U'Ä', a));
    add(withDots(U'Ö', o));
    add(withDots(U'Ü', u));

    add(single(U' ', narrowAdvance, {}));
    add(glyph(U'+', {{digitAdvance, {{250, -750}, {250, -250}}},
                     {digitAdvance, {{0, -500}, {500, -500}}}}));
    add(single(U'-', digitAdvance, {{0, -500}, {500, -500}}));
    add(single(U'.', 240, {{0, 0}, {0, -165}, {5, -165}, {5, 0}}));
    add(single(U',', 370, {{0, 165}, {125, 0}, {125, -165}, {130, -165}, {130, 5}, {5, 170}}));
    add(single(U'(', narrowAdvance, {{250, -1000}, {0, -665}, {0, -335}, {250, 0}}));
    add(single(U')', narrowAdvance, {{0, -1000}, {250, -665}, {250, -335}, {0, 0}}));
    add(single(U'&', letterAdvance,
               {{500, 0},
                {0, -665},
                {0, -835},
                {125, -1000},
                {250, -1000},
                {375, -835},
                {375, -665},
                {0, -335},
                {0, -165},
                {125, 0},
                {250, 0},
                {500, -335}}));
    add(glyph(U'=', {{digitAdvance, {{0, -500}, {500, -500}}},
                     {digitAdvance, {{0, -300}, {500, -300}}}}));
    // The degree sign of the angles around the circumference: a small ring
    // at the cap line.
    add(single(U'°', narrowAdvance,
               {{125, -1000},
                {215, -955},
                {250, -875},
                {215, -795},
                {125, -750},
                {35, -795},
                {0, -875},
                {35, -955},
                {125, -1000}}));
    return font;
}

const Glyph& blankGlyph() {
    static const Glyph& blank = glyphFor(U' ');
    return blank;
}

} // namespace

const std::vector<Glyph>& strokeFontGlyphs() {
    static const std::vector<Glyph> font = buildFont();
    return font;
}

const Glyph& glyphFor(char32_t character) {
    // The C library's upper-casing: only a-z change.
    if (character >= U'a' && character <= U'z')
        character = character - U'a' + U'A';
    const std::vector<Glyph>& font = strokeFontGlyphs();
    const auto found = std::find_if(font.begin(), font.end(),
                                    [character](const Glyph& g) { return g.code == character; });
    if (found != font.end())
        return *found;
    return blankGlyph();
}

int textWidth(std::string_view text) {
    int width = 0;
    for (const char32_t c : decodeUtf8(text))
        width += glyphFor(c).advance();
    return width;
}

std::array<Vector2, 4> TextFrame::corners() const {
    Vector2 along{width, 0.0};
    Vector2 up{0.0, -height};
    turn(along, angle);
    turn(up, angle);
    return {origin, origin + along, origin + along + up, origin + up};
}

TextFrame TextFrame::widened(double margin) const {
    Vector2 back{-margin, margin};
    turn(back, angle);
    return {origin + back, angle, width + 2 * margin, height + 2 * margin};
}

TextFrame textFrame(double scale, Vector2 anchor, double angle, double gap, double height,
                    std::string_view text, unsigned placement) {
    const double h = scale * height;
    const double g = scale * gap;
    const double w = textWidth(text) * (h * 0.001);

    Vector2 offset{0.0, 0.0};
    if (placement & TextLeft)
        offset.x -= w + g;
    if (placement & TextRight)
        offset.x += g;
    if (placement & TextCentred)
        offset.x -= w / 2;
    if (placement & TextAbove)
        offset.y -= g;
    else if (placement & TextBelow)
        offset.y += h + g;
    else
        offset.y += h / 2;
    return {anchor + turn(offset, angle), angle, w, h};
}

void drawText(Picture& picture, double scale, Vector2 anchor, double angle, double gap,
              double height, Colour colour, std::string_view text, unsigned placement) {
    const TextFrame frame = textFrame(scale, anchor, angle, gap, height, text, placement);
    const double h = frame.height;
    const double unit = h * 0.001; // model units per glyph unit
    const Vector2 origin = frame.origin;

    const Colour savedColour = picture.lastPenColour();
    const double savedWidth = picture.lastPenWidth();
    picture.setPen(colour, 0.1 * h);

    double advanced = 0.0;
    for (const char32_t c : decodeUtf8(text)) {
        const Glyph& glyph = glyphFor(c);
        Vector2 step{advanced, 0.0};
        const Vector2 glyphOrigin = origin + turn(step, angle);
        for (const GlyphStroke& stroke : glyph.strokes) {
            for (std::size_t i = 0; i < stroke.points.size(); ++i) {
                Vector2 p{stroke.points[i].x * unit, stroke.points[i].y * unit};
                const Vector2 q = glyphOrigin + turn(p, angle);
                if (i == 0)
                    picture.moveTo(0, q);
                else
                    picture.lineTo(0, q);
            }
        }
        advanced += glyph.advance() * unit;
    }
    picture.setPen(savedColour, savedWidth);
}

} // namespace venkar
