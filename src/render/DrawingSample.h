#pragma once

#include "graphics/Picture.h"

namespace venkar {

// A picture that shows the whole drawing layer at a glance: the twelve
// symbols (drawn, and the arrow heads and square also filled), plain,
// patterned and headed lines, force arrows with labels, moment arcs of both
// signs and of zero, and every glyph of the stroke font. Used for the
// documentation image and the export tests.
Picture buildDrawingSample();

} // namespace venkar
