#pragma once
// A picture under construction. Pictures are drawn from text art, one
// character per pixel, and from runs of rows and columns, so that every
// pixel can be checked by eye against the drawing it stands for.

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

#include "resources/pictures.h"

namespace klandor::res {

// Text art: one string per row, one character per pixel. The legend:
//   '#' black      'r' dark red   'g' dark green  'y' olive
//   'b' navy       'm' purple     'c' teal        '.' light grey
//   'D' dark grey  'R' red        'G' green       'Y' yellow
//   'B' blue       'M' magenta    'C' cyan        'W' white
//   '_' nothing: the pixel underneath stays as it is.
// Lower case is the dark shade of the upper-case colour.
using Art = std::vector<std::string_view>;

// A run of identical rows, for pictures made of horizontal bands.
struct Band {
  int rows;
  std::string_view art;
};

class Canvas {
 public:
  Canvas(int width, int height, std::uint8_t background);
  explicit Canvas(Picture start);

  int width() const { return picture_.width; }
  int height() const { return picture_.height; }
  std::uint8_t at(int x, int y) const;

  void set(int x, int y, std::uint8_t colour);
  void row(int y, int x0, int x1, std::uint8_t colour);     // x0 to x1 inclusive
  void column(int x, int y0, int y1, std::uint8_t colour);  // y0 to y1 inclusive
  void fill(int x0, int y0, int x1, int y1, std::uint8_t colour);
  // An outline one pixel wide around the rectangle, corners included.
  void frame(int x0, int y0, int x1, int y1, std::uint8_t colour);
  // A raised edge `depth` pixels wide around the rectangle: `light` along the
  // top and left, `dark` along the right and bottom, the two meeting on the
  // diagonal at the top-right and bottom-left corners.
  void bevel(int x0, int y0, int x1, int y1, int depth, std::uint8_t light, std::uint8_t dark);

  // Text art with its top-left character at (x, y).
  void paint(int x, int y, const Art& art);
  // Bands stacked from the top row down.
  void paintBands(std::initializer_list<Band> bands);
  // A one-colour shape: '#' is drawn in ink, '_' leaves the pixel alone.
  void stamp(int x, int y, const Art& shape, std::uint8_t ink);
  // Within the rectangle, every pixel of a colour named in the first place of
  // a pair takes the colour in its second place; all pairs apply at once.
  void recolour(int x0, int y0, int x1, int y1,
                std::initializer_list<std::pair<std::uint8_t, std::uint8_t>> mapping);

  const Picture& picture() const { return picture_; }

 private:
  void paintRow(int x, int y, std::string_view art);

  Picture picture_;
};

// The palette index a text-art character stands for; throws on a character
// outside the legend (including '_', which stands for no colour).
std::uint8_t colourOf(char c);

}  // namespace klandor::res
