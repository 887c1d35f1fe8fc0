// Drawing mistakes in the pictures' art must fail loudly, not draw wrongly.

#include "resources/canvas.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace klandor::res {
namespace {

using namespace colour;

TEST(Canvas, ArtCharactersFollowTheLegendInPaletteOrder) {
  const char legend[] = "#rgybmc.DRGYBMCW";
  for (int i = 0; i < 16; ++i) EXPECT_EQ(colourOf(legend[i]), i) << legend[i];
  EXPECT_THROW(colourOf('_'), std::invalid_argument);
  EXPECT_THROW(colourOf('x'), std::invalid_argument);
}

TEST(Canvas, PaintingKeepsPixelsUnderUnderscoresAndRefusesToLeaveThePicture) {
  Canvas c(3, 2, kLightGrey);
  c.paint(0, 0, {"R_W", "_#_"});
  EXPECT_EQ(c.picture().pixels, (std::vector<std::uint8_t>{kRed, kLightGrey, kWhite, kLightGrey, kBlack, kLightGrey}));
  EXPECT_THROW(c.paint(1, 0, {"RRR"}), std::out_of_range);
  EXPECT_THROW(c.paint(0, 1, {"R", "R"}), std::out_of_range);
  EXPECT_THROW(c.stamp(0, 0, {"#.#"}, kBlack), std::invalid_argument);
}

TEST(Canvas, BandsMustCoverThePictureExactly) {
  Canvas c(2, 3, kBlack);
  EXPECT_THROW(c.paintBands({{2, "WW"}}), std::logic_error);
  EXPECT_THROW(c.paintBands({{3, "W"}}), std::logic_error);
  c.paintBands({{1, "WD"}, {2, ".."}});
  EXPECT_EQ(c.at(1, 0), kDarkGrey);
  EXPECT_EQ(c.at(0, 2), kLightGrey);
}

}  // namespace
}  // namespace klandor::res
