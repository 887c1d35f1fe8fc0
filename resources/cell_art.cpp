// Drawings that several cell sets share.

#include "resources/cell_art.h"

#include <utility>

namespace klandor::res {

// The flag of a covered cell: a pennant pointing left, red shading to dark
// red, on a black pole with its base.
const Art kPennantFlag = {
    "RRRRr___",
    "RRRrr___",
    "RRrrr___",
    "Rrrrr___",
    "____#___",
    "____#___",
    "____#___",
    "____#___",
    "___D#D__",
    "_D#####D",
};

// A mine with spikes, dark grey spike tips and softening, and a highlight.
const Art kSpikedMine = {
    "_____D_____",
    "_____#_____",
    "__#_D#D_#__",
    "___#####___",
    "__D#W###D__",
    "D#########D",
    "__D#####D__",
    "___#####___",
    "__#_D#D_#__",
    "_____#_____",
    "_____D_____",
};

// A red cross of two strokes, shaded dark red along their lower edges.
const Art kRedCross = {
    "RR______RR",
    "rRR____RRr",
    "_rRR__RRr_",
    "__rRRRRr__",
    "___rRRr___",
    "___RRRR___",
    "__RRrrRR__",
    "_RRr__rRR_",
    "RRr____rRR",
    "rr______rr",
};

// Numerals 1 to 8 in columns 2 to 11 and rows 2 to 11, strokes three pixels
// wide; the 1 keeps to columns 4 to 10 with a stem two pixels wide.
const std::array<Art, 8> kBoldNumerals = {{
    {"_____##___",
     "____###___",
     "___####___",
     "__##_##___",
     "_____##___",
     "_____##___",
     "_____##___",
     "_____##___",
     "__#######_",
     "__#######_"},
    {"__######__",
     "_########_",
     "###____###",
     "_______###",
     "_____####_",
     "___####___",
     "_####_____",
     "###_______",
     "##########",
     "##########"},
    {"#########_",
     "##########",
     "_______###",
     "_______###",
     "___######_",
     "___######_",
     "_______###",
     "_______###",
     "##########",
     "#########_"},
    {"_____####_",
     "____#####_",
     "___###_##_",
     "__###__##_",
     "_###___##_",
     "##########",
     "##########",
     "______###_",
     "______###_",
     "______###_"},
    {"##########",
     "##########",
     "###_______",
     "###_______",
     "#########_",
     "##########",
     "_______###",
     "_______###",
     "##########",
     "#########_"},
    {"_#########",
     "##########",
     "###_______",
     "###_______",
     "#########_",
     "##########",
     "###____###",
     "###____###",
     "##########",
     "_########_"},
    {"##########",
     "##########",
     "_______###",
     "______###_",
     "_____###__",
     "____###___",
     "____###___",
     "___###____",
     "___###____",
     "___###____"},
    {"_########_",
     "##########",
     "###____###",
     "###____###",
     "_########_",
     "_########_",
     "###____###",
     "###____###",
     "##########",
     "_########_"},
}};

const Art kBoldQuestion = {
    "__######__",
    "_########_",
    "###____###",
    "_______###",
    "_____####_",
    "____###___",
    "____###___",
    "__________",
    "____###___",
    "____###___",
};

// Larger than the colour mine, with a white highlight of two by two.
const Art kBigMine = {
    "______#______",
    "______#______",
    "__#_#####_#__",
    "___#######___",
    "__##WW#####__",
    "__##WW#####__",
    "#############",
    "__#########__",
    "__#########__",
    "___#######___",
    "__#_#####_#__",
    "______#______",
    "______#______",
};

// The faces of a die for 1 to 6, then 7 with the middle pip added to the six
// and 8 with every place but the middle.
const std::array<Art, 8> kPipPlaces = {{
    {"___", "_#_", "___"},
    {"__#", "___", "#__"},
    {"__#", "_#_", "#__"},
    {"#_#", "___", "#_#"},
    {"#_#", "_#_", "#_#"},
    {"#_#", "#_#", "#_#"},
    {"#_#", "###", "#_#"},
    {"###", "#_#", "###"},
}};

void dotGridLine(Canvas& c) {
  for (int i = 1; i < c.width(); i += 2) c.set(i, c.height() - 1, colour::kBlack);
  for (int i = 1; i < c.height(); i += 2) c.set(c.width() - 1, i, colour::kBlack);
}

Picture withArt(Canvas c, int x, int y, const Art& art) {
  c.paint(x, y, art);
  return c.picture();
}

Picture withShape(Canvas c, int x, int y, const Art& shape, std::uint8_t ink) {
  c.stamp(x, y, shape, ink);
  return c.picture();
}

Canvas spikedMine(Canvas ground) {
  ground.paint(2, 2, kSpikedMine);
  return ground;
}

Picture spikedMineOnRed(Canvas ground, std::uint8_t groundColour) {
  Canvas c = spikedMine(std::move(ground));
  c.recolour(0, 0, 14, 14, {{groundColour, colour::kRed}, {colour::kDarkGrey, colour::kDarkRed}});
  return c.picture();
}

void paintAtPlaces(Canvas& canvas, const Art& places, int x, int y, int step, const Art& art) {
  for (std::size_t row = 0; row < places.size(); ++row) {
    for (std::size_t col = 0; col < places[row].size(); ++col) {
      if (places[row][col] == '#') {
        canvas.paint(x + static_cast<int>(col) * step, y + static_cast<int>(row) * step, art);
      }
    }
  }
}

}  // namespace klandor::res
