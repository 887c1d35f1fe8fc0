// The composed bitmap: pictures at their places in their palette colours,
// every pixel a sharp square at the window's scale, stretched slices, clips.
#include "windows/back_buffer.h"

#include <gtest/gtest.h>

#include "resources/picture_numbers.h"

namespace klandor::win {
namespace {

std::uint32_t colour(std::uint8_t index) {
  const res::Rgb& c = res::kPalette[index];
  return static_cast<std::uint32_t>(c.r) << 16 | static_cast<std::uint32_t>(c.g) << 8 | c.b;
}

// True when device pixels from (dx, dy) show the picture at this scale.
::testing::AssertionResult shows(const BackBuffer& buffer, int number, int x, int y, int w, int h) {
  const res::Picture& p = *res::picture(number);
  const int s = buffer.scale();
  for (int py = 0; py < h * s; ++py) {
    for (int px = 0; px < w * s; ++px) {
      const std::uint32_t want = colour(p.at(px / s * p.width / w, py / s * p.height / h));
      if (buffer.pixel(x * s + px, y * s + py) != want)
        return ::testing::AssertionFailure() << "picture " << number << " differs at device " << px << "," << py;
    }
  }
  return ::testing::AssertionSuccess();
}

TEST(BackBufferTest, PicturesAsSharpSquaresAtEveryScale) {
  for (const int scale : {1, 2, 3}) {
    BackBuffer buffer;
    ASSERT_TRUE(buffer.reset(60, 60, scale));
    buffer.place(pic::kFlag, 3, 5, 16, 16);
    buffer.place(pic::kSmile, 20, 20, 25, 25);
    EXPECT_TRUE(shows(buffer, pic::kFlag, 3, 5, 16, 16)) << "scale " << scale;
    EXPECT_TRUE(shows(buffer, pic::kSmile, 20, 20, 25, 25)) << "scale " << scale;
    EXPECT_EQ(buffer.pixel(3 * scale - 1, 5 * scale), 0u) << "nothing left of the flag";
  }
}

TEST(BackBufferTest, StretchesSlicesAndKeepsOutsideTheClip) {
  BackBuffer buffer;
  ASSERT_TRUE(buffer.reset(40, 60, 2));
  buffer.place(pic::kFrameM, 0, 0, 40, 55);  // a one-pixel column across
  EXPECT_TRUE(shows(buffer, pic::kFrameM, 0, 0, 40, 55));
  buffer.place(pic::kCovered, 0, 0, 16, 16, RECT{4, 4, 8, 8});
  const res::Picture& frame = *res::picture(pic::kFrameM);
  const res::Picture& covered = *res::picture(pic::kCovered);
  EXPECT_EQ(buffer.pixel(2 * 4, 2 * 4), colour(covered.at(4, 4)));
  EXPECT_EQ(buffer.pixel(2 * 8 - 1, 2 * 8 - 1), colour(covered.at(7, 7)));
  EXPECT_EQ(buffer.pixel(2 * 8, 2 * 8), colour(frame.at(0, 8))) << "outside the clip";
  EXPECT_EQ(buffer.pixel(0, 0), colour(frame.at(0, 0))) << "outside the clip";
}

}  // namespace
}  // namespace klandor::win
