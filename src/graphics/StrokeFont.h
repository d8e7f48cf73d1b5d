#pragma once

#include "geometry/Vector2.h"
#include "graphics/Colour.h"

#include <array>
#include <string_view>
#include <vector>

namespace venkar {

class Picture;

// The vector font every plot text is drawn with. Glyph units are thousandths
// of the text height; the baseline is y = 0 and capitals reach y = -1000 (up
// is negative, as in the picture), umlaut dots -1160, the comma +170.

struct GlyphPoint {
    int x = 0;
    int y = 0;
};

// One polyline of a glyph and the advance it claims.
struct GlyphStroke {
    int advance = 0;
    std::vector<GlyphPoint> points;
};

struct Glyph {
    char32_t code = U' ';
    std::vector<GlyphStroke> strokes; // one to three
    // The largest advance of the strokes.
    int advance() const;
};

// The glyph of a character: letters a-z are upper-cased first; a character
// the font lacks (lower-case umlauts, "ß", "%" ...) gets the blank.
const Glyph& glyphFor(char32_t character);

// All glyphs of the font in their built-in order.
const std::vector<Glyph>& strokeFontGlyphs();

// The sum of the advances of the glyphs of `text` (UTF-8), in glyph units.
int textWidth(std::string_view text);

// Placement of a text against its anchor; flags combine.
enum TextPlacement : unsigned {
    TextLeft = 2,    // ends a gap left of the anchor
    TextRight = 4,   // starts a gap right of the anchor
    TextCentred = 8, // centred horizontally on the anchor
    TextAbove = 16,  // baseline a gap above the anchor
    TextBelow = 32,  // cap line a gap below the anchor (ignored with TextAbove)
    // with neither TextAbove nor TextBelow the text is centred vertically
};

// Where drawText puts a text: the start of its baseline, the reading
// direction (radians) and the size of its cell (the advances by the text
// height), all in model units.
struct TextFrame {
    Vector2 origin;
    double angle = 0.0;
    double width = 0.0;
    double height = 0.0;

    // The cell's corners: baseline start, baseline end, cap line end, cap
    // line start.
    std::array<Vector2, 4> corners() const;
    // The frame grown by `margin` on every side.
    TextFrame widened(double margin) const;
};

// The frame of `text` as drawText with the same arguments draws it.
TextFrame textFrame(double scale, Vector2 anchor, double angle, double gap, double height,
                    std::string_view text, unsigned placement);

// Draws `text` (UTF-8) with the stroke font. Height and gap are multiplied by
// `scale` (normally the reference length of the plot) to give model units;
// `angle` turns the text about the anchor (radians). The strokes use
// `colour` and a pen of a tenth of the height; the picture's pen is set back
// afterwards. Draws on cursor 0.
void drawText(Picture& picture, double scale, Vector2 anchor, double angle, double gap,
              double height, Colour colour, std::string_view text, unsigned placement);

} // namespace venkar
