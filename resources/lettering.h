#pragma once
// The two hand-drawn alphabets of the Best Times background: a bold one for
// the heading and a plain one for the labels. Each holds only the letters
// those texts use.

#include <map>
#include <string_view>

#include "resources/canvas.h"

namespace klandor::res {

struct Font {
  std::map<char, Art> glyphs;   // '#' is ink; every glyph inks its outer columns
  int space;                    // width of a blank
};

// Bold, capitals and ascenders 8 rows high, no descenders.
const Font& headingFont();
// Plain, capitals and ascenders 9 rows high and descenders of 2 more rows.
const Font& labelFont();

// Width of the text in pixels, one blank column between glyphs.
int textWidth(const Font& font, std::string_view text);
// Draws the text in black with the top of its glyphs on row `top`.
void write(Canvas& canvas, int left, int top, std::string_view text, const Font& font);

}  // namespace klandor::res
