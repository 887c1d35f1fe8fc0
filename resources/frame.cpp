// The bevelled frame of the main window and the counter boxes. The outer
// bevel is three pixels wide (white top and left, dark grey right and bottom);
// inside it sit the sunken header panel (two pixels) and the sunken grid
// (three pixels). The middle slices are stretched, so each one repeats the
// last column or row of its neighbours and the pieces join without a seam.
// Legend: 'W' white, '.' light grey, 'D' dark grey.

#include "resources/canvas.h"
#include "resources/catalogue.h"
#include "resources/picture_numbers.h"

namespace klandor::res {

namespace {

using namespace colour;

constexpr int kSide = pic::kFrameSide;
constexpr int kHeader = pic::kHeaderHeight;

Picture counterBox() {
  Canvas c(pic::kCounterBoxWidth, pic::kCounterBoxHeight, kBlack);
  c.row(0, 0, 39, kDarkGrey);
  c.column(0, 0, 23, kDarkGrey);
  c.column(40, 1, 24, kWhite);
  c.row(24, 1, 40, kWhite);
  c.set(40, 0, kLightGrey);
  c.set(0, 24, kLightGrey);
  return c.picture();
}

Picture bands(int width, int height, std::initializer_list<Band> rows) {
  Canvas c(width, height, kLightGrey);
  c.paintBands(rows);
  return c.picture();
}

}  // namespace

void addFrame(Catalogue& catalogue) {
  catalogue[pic::kCounterBox] = counterBox();

  catalogue[pic::kFrameL] = bands(kSide, kHeader, {
      {3, "WWWWWWWWWWWW"},   // outer top edge
      {6, "WWW........."},
      {2, "WWW......DDD"},   // top edge of the header panel
      {33, "WWW......DD."},  // its left edge
      {1, "WWW......D.W"},
      {1, "WWW.......WW"},   // its bottom edge
      {6, "WWW........."},
      {3, "WWW......DDD"},   // top-left corner of the grid
  });

  catalogue[pic::kFrameR] = bands(kSide, kHeader, {
      {1, "WWWWWWWWWWW."},   // top-right corner of the outer bevel
      {1, "WWWWWWWWWW.D"},
      {1, "WWWWWWWWW.DD"},
      {6, ".........DDD"},
      {1, "DD.......DDD"},   // top-right corner of the header panel
      {1, "D.W......DDD"},
      {33, ".WW......DDD"},  // its right edge
      {2, "WWW......DDD"},   // its bottom edge
      {6, ".........DDD"},
      {1, "DD.......DDD"},   // top-right corner of the grid
      {1, "D.W......DDD"},
      {1, ".WW......DDD"},
  });

  catalogue[pic::kFrameM] = bands(1, kHeader, {
      {3, "W"},   // outer top edge
      {6, "."},
      {2, "D"},   // top edge of the header panel
      {33, "."},  // inside the panel
      {2, "W"},   // bottom edge of the panel
      {6, "."},
      {3, "D"},   // top edge of the grid
  });

  catalogue[pic::kFrameCL] = bands(kSide, kSide, {
      {1, "WWW......DD."},   // bottom-left corner of the grid
      {1, "WWW......D.W"},
      {1, "WWW.......WW"},
      {6, "WWW........."},
      {1, "WW.DDDDDDDDD"},   // bottom-left corner of the outer bevel
      {1, "W.DDDDDDDDDD"},
      {1, ".DDDDDDDDDDD"},
  });

  catalogue[pic::kFrameCR] = bands(kSide, kSide, {
      {3, "WWW......DDD"},   // bottom edge of the grid
      {6, ".........DDD"},
      {3, "DDDDDDDDDDDD"},   // outer bottom edge
  });

  catalogue[pic::kFrameB] = bands(1, kSide, {
      {3, "W"},  // bottom edge of the grid
      {6, "."},
      {3, "D"},  // outer bottom edge
  });

  // Left side: outer white edge, frame, the grid's dark grey edge. Right
  // side: the grid's white edge, frame, outer dark grey edge.
  catalogue[pic::kFrameW] = bands(kSide, 1, {
      {1, "WWW......DDD"},
  });
}

}  // namespace klandor::res
