#pragma once
// The two hand-drawn alphabets of the Best Times background: a bold one for
// the heading and a plain one for the labels. Each holds the letters that
// the heading and the labels use in every language the game speaks. Texts
// are UTF-8.

#include <map>
#include <string_view>

#include "resources/canvas.h"

namespace klandor::res {

struct Font {
  std::map<char32_t, Art> glyphs;  // '#' is ink; every glyph inks its outer columns
  int space;                       // width of a blank
};

// Bold, capitals and ascenders 8 rows high, descenders of 2 more rows.
const Font& headingFont();
// Plain, capitals and ascenders 9 rows high and descenders of 2 more rows.
const Font& labelFont();

// Whether the font can letter every character of the text (a blank, breaking
// or not, needs no glyph).
bool hasGlyphs(const Font& font, std::string_view text);
// Width of the text in pixels, one blank column between glyphs.
int textWidth(const Font& font, std::string_view text);
// Draws the text in black with the top of its glyphs on row `top`.
// textWidth and write throw std::invalid_argument on a character without a
// glyph.
void write(Canvas& canvas, int left, int top, std::string_view text, const Font& font);

}  // namespace klandor::res
