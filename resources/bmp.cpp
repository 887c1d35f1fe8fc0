#include "resources/bmp.h"

namespace klandor::res {

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xff));
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xff));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  put16(out, value & 0xffff);
  put16(out, value >> 16);
}

}  // namespace

int bmpRowSize(int width) { return ((width + 1) / 2 + 3) / 4 * 4; }

std::vector<std::uint8_t> encodeBmp(const Picture& picture) {
  const auto imageSize = static_cast<std::uint32_t>(bmpRowSize(picture.width) * picture.height);
  std::vector<std::uint8_t> out;
  out.reserve(kBmpPixelOffset + imageSize);

  out.push_back('B');
  out.push_back('M');
  put32(out, kBmpPixelOffset + imageSize);  // file size
  put32(out, 0);                            // reserved
  put32(out, kBmpPixelOffset);

  put32(out, kBmpInfoHeaderSize);
  put32(out, static_cast<std::uint32_t>(picture.width));
  put32(out, static_cast<std::uint32_t>(picture.height));  // positive: bottom-up
  put16(out, 1);                                           // planes
  put16(out, 4);                                           // bits per pixel
  put32(out, 0);                                           // no compression
  put32(out, imageSize);
  put32(out, 0);   // horizontal resolution: not given
  put32(out, 0);   // vertical resolution: not given
  put32(out, 16);  // colours used
  put32(out, 0);   // all colours important

  for (const Rgb& c : kPalette) {
    out.push_back(c.b);
    out.push_back(c.g);
    out.push_back(c.r);
    out.push_back(0);
  }

  for (int y = picture.height - 1; y >= 0; --y) {
    const std::size_t rowStart = out.size();
    for (int x = 0; x < picture.width; x += 2) {
      const int high = picture.at(x, y);
      const int low = x + 1 < picture.width ? picture.at(x + 1, y) : 0;
      out.push_back(static_cast<std::uint8_t>(high << 4 | low));
    }
    out.resize(rowStart + static_cast<std::size_t>(bmpRowSize(picture.width)), 0);
  }
  return out;
}

}  // namespace klandor::res
