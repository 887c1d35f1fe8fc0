// The background of the Best Times dialog: light grey with an etched frame
// whose top line gives way to the heading, and the three level labels.

#include "resources/canvas.h"
#include "resources/catalogue.h"
#include "resources/lettering.h"
#include "resources/picture_numbers.h"

namespace klandor::res {

namespace {

using namespace colour;

constexpr int kWidth = 303;
constexpr int kHeight = 100;

// The heading's box breaks the frame's top line.
constexpr int kHeadingLeft = 10;
constexpr int kHeadingRight = 118;
constexpr int kHeadingBottom = 10;
constexpr int kHeadingTop = 1;  // the letters' top row, centring them on the line

constexpr int kLabelLeft = 11;

}  // namespace

void addBestTimesBackground(Catalogue& catalogue) {
  Canvas c(kWidth, kHeight, kLightGrey);
  // Etched: a white outline one pixel down and right, under a dark grey one.
  c.frame(1, 5, kWidth - 1, kHeight - 1, kWhite);
  c.frame(0, 4, kWidth - 2, kHeight - 2, kDarkGrey);

  c.fill(kHeadingLeft, 0, kHeadingRight, kHeadingBottom, kLightGrey);
  const Font& bold = headingFont();
  const std::string_view heading = "Fastest Klandors";
  const int headingSpan = kHeadingRight - kHeadingLeft + 1;
  write(c, kHeadingLeft + (headingSpan - textWidth(bold, heading)) / 2, kHeadingTop, heading, bold);

  const Font& plain = labelFont();
  write(c, kLabelLeft, 23, "Beginner:", plain);
  write(c, kLabelLeft, 49, "Intermediate:", plain);
  write(c, kLabelLeft, 74, "Expert:", plain);

  catalogue[pic::kBestTimesBackground] = c.picture();
}

}  // namespace klandor::res
