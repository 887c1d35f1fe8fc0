#pragma once
// The game's pictures as palette bitmaps, looked up by number.

#include <array>
#include <cstdint>
#include <vector>

namespace klandor::res {

struct Rgb {
  std::uint8_t r, g, b;
};

// The standard 16-colour palette, in its standard order.
extern const std::array<Rgb, 16> kPalette;

namespace colour {
inline constexpr std::uint8_t kBlack = 0, kDarkRed = 1, kDarkGreen = 2, kOlive = 3, kNavy = 4,
                              kPurple = 5, kTeal = 6, kLightGrey = 7, kDarkGrey = 8, kRed = 9,
                              kGreen = 10, kYellow = 11, kBlue = 12, kMagenta = 13, kCyan = 14,
                              kWhite = 15;
}

// A bitmap of palette indices, rows top to bottom.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // width * height palette indices, row-major

  std::uint8_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// The picture with this number (pic::kInitialFace for the face element's own
// face), or nullptr when the game has none by that number.
const Picture* picture(int number);

// Every number picture() answers, in ascending order.
const std::vector<int>& pictureNumbers();

// The window icon at 16 or 32 pixels: palette pixels plus a mask in which
// true marks a transparent pixel. Other sizes throw std::invalid_argument.
struct Icon {
  Picture image;
  std::vector<bool> transparent;  // width * height, row-major
};
const Icon& icon(int size);

}  // namespace klandor::res
