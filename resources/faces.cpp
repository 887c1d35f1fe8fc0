// The face button: a yellow face on a square light grey button, raised in
// every state but the pressed smile, where the button is sunken and the face
// sits two pixels lower and further right.

#include "resources/canvas.h"
#include "resources/catalogue.h"
#include "resources/picture_numbers.h"

namespace klandor::res {

namespace {

using namespace colour;

constexpr int kButton = 25;  // side of the numbered faces

// The button's bevel; `size` is its side, the outermost ring is dark grey with
// light grey corner pixels at the top right and bottom left.
Canvas button(int size, bool raised) {
  const int last = size - 1;
  Canvas c(size, size, kLightGrey);
  c.frame(0, 0, last, last, kDarkGrey);
  c.set(last, 0, kLightGrey);
  c.set(0, last, kLightGrey);
  if (raised) {
    c.row(1, 1, last - 2, kWhite);
    c.column(1, 1, last - 2, kWhite);
    c.column(last - 1, 1, last - 1, kBlack);
    c.row(last - 1, 1, last - 1, kBlack);
    c.column(last - 2, 2, last - 2, kDarkGrey);
    c.row(last - 2, 2, last - 2, kDarkGrey);
  } else {
    c.row(1, 1, last - 1, kBlack);
    c.column(1, 1, last - 1, kBlack);
    c.row(2, 2, last - 2, kDarkGrey);
    c.column(2, 2, last - 2, kDarkGrey);
    c.column(last - 1, 2, last - 1, kWhite);
    c.row(last - 1, 2, last - 1, kWhite);
  }
  return c;
}

// The disc, 17 x 17, with its one-pixel black outline.
const Art kDisc = {
    "______#####______",
    "____##YYYYY##____",
    "___#YYYYYYYYY#___",
    "__#YYYYYYYYYYY#__",
    "_#YYYYYYYYYYYYY#_",
    "_#YYYYYYYYYYYYY#_",
    "#YYYYYYYYYYYYYYY#",
    "#YYYYYYYYYYYYYYY#",
    "#YYYYYYYYYYYYYYY#",
    "#YYYYYYYYYYYYYYY#",
    "#YYYYYYYYYYYYYYY#",
    "_#YYYYYYYYYYYYY#_",
    "_#YYYYYYYYYYYYY#_",
    "__#YYYYYYYYYYY#__",
    "___#YYYYYYYYY#___",
    "____##YYYYY##____",
    "______#####______",
};

// The expressions, drawn over the disc from its fifth row (row 4 counted from
// 0) down; the columns are the disc's.
constexpr int kFeaturesRow = 4;

const Art kSmiling = {
    "_________________",
    "_____##___##_____",
    "_____##___##_____",
    "_________________",
    "_________________",
    "_________________",
    "____#_______#____",
    "_____#_____#_____",
    "______#####______",
};

const Art kSurprised = {
    "____y#y___y#y____",
    "____###___###____",
    "____y#y___y#y____",
    "_________________",
    "_________________",
    "______y###y______",
    "______#___#______",
    "______#___#______",
    "______#___#______",
    "______y###y______",
};

const Art kLostFace = {
    "____#_#___#_#____",
    "_____#_____#_____",
    "____#_#___#_#____",
    "_________________",
    "_________________",
    "_________________",
    "______#####______",
    "_____#_____#_____",
    "____#_______#____",
};

const Art kWonFace = {
    "_________________",
    "____#########____",
    "___#####Y#####___",
    "__#_####_####_#__",
    "_#___y_____y___#_",
    "_________________",
    "_________________",
    "_____#_____#_____",
    "______#####______",
};

Picture face(Canvas c, int discLeft, int discTop, const Art& features) {
  c.paint(discLeft, discTop, kDisc);
  c.paint(discLeft, discTop + kFeaturesRow, features);
  return c.picture();
}

}  // namespace

void addFaces(Catalogue& catalogue) {
  catalogue[pic::kSmile] = face(button(kButton, true), 3, 3, kSmiling);
  catalogue[pic::kSmilePressed] = face(button(kButton, false), 5, 5, kSmiling);
  catalogue[pic::kSurprised] = face(button(kButton, true), 3, 3, kSurprised);
  catalogue[pic::kLost] = face(button(kButton, true), 3, 3, kLostFace);
  catalogue[pic::kWon] = face(button(kButton, true), 3, 3, kWonFace);
  catalogue[pic::kInitialFace] = face(button(pic::kInitialFaceSide, true), 4, 4, kSmiling);
}

}  // namespace klandor::res
