// klandor_make_ico WINDOW_ICO PROGRAM_ICO: writes the game's icons as icon
// files for the Windows resource compiler. The window's icon holds the 32
// and the 16 pixel drawing in 16 colours with their transparency masks;
// the program file's own icon is the 32 pixel drawing alone, in 256
// colours (the 16 of the palette, the rest unused).
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

#include "resources/pictures.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& out, unsigned v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(Bytes& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

// Rows of a bitmap are stored bottom-up, each padded to four bytes.
int rowBytes(int width, int bits) { return (width * bits + 31) / 32 * 4; }

// One image of an icon: an information header of twice the height (colour
// pixels, then the mask), the palette, the pixels, the mask (1 marks a
// transparent pixel, whose colour pixel is black).
Bytes iconImage(const klandor::res::Icon& icon, int bits) {
  const klandor::res::Picture& p = icon.image;
  const int colours = 1 << bits;
  const int pixelRow = rowBytes(p.width, bits), maskRow = rowBytes(p.width, 1);
  Bytes out;
  put32(out, 40);
  put32(out, static_cast<std::uint32_t>(p.width));
  put32(out, static_cast<std::uint32_t>(2 * p.height));
  put16(out, 1);
  put16(out, static_cast<unsigned>(bits));
  put32(out, 0);  // no compression
  put32(out, static_cast<std::uint32_t>((pixelRow + maskRow) * p.height));
  put32(out, 0);
  put32(out, 0);
  put32(out, 0);
  put32(out, 0);
  for (int i = 0; i < colours; ++i) {
    const klandor::res::Rgb c = i < 16 ? klandor::res::kPalette[static_cast<std::size_t>(i)] : klandor::res::Rgb{0, 0, 0};
    out.insert(out.end(), {c.b, c.g, c.r, 0});
  }
  for (int y = p.height - 1; y >= 0; --y) {
    Bytes row(static_cast<std::size_t>(pixelRow), 0);
    for (int x = 0; x < p.width; ++x) {
      const std::uint8_t index = p.at(x, y);
      if (bits == 8) {
        row[static_cast<std::size_t>(x)] = index;
      } else {
        row[static_cast<std::size_t>(x / 2)] |= static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
      }
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  for (int y = p.height - 1; y >= 0; --y) {
    Bytes row(static_cast<std::size_t>(maskRow), 0);
    for (int x = 0; x < p.width; ++x) {
      if (icon.transparent[static_cast<std::size_t>(y * p.width + x)])
        row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

struct Entry {
  const klandor::res::Icon* icon;
  int bits;
};

bool writeIco(const char* path, const std::vector<Entry>& entries) {
  std::vector<Bytes> images;
  for (const Entry& e : entries) images.push_back(iconImage(*e.icon, e.bits));
  Bytes out;
  put16(out, 0);
  put16(out, 1);  // an icon
  put16(out, static_cast<unsigned>(entries.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const int side = entries[i].icon->image.width;
    out.push_back(static_cast<std::uint8_t>(side));
    out.push_back(static_cast<std::uint8_t>(side));
    out.push_back(entries[i].bits == 4 ? 16 : 0);  // colours; 0 for 256
    out.push_back(0);
    put16(out, 1);
    put16(out, static_cast<unsigned>(entries[i].bits));
    put32(out, static_cast<std::uint32_t>(images[i].size()));
    put32(out, offset);
    offset += static_cast<std::uint32_t>(images[i].size());
  }
  for (const Bytes& image : images) out.insert(out.end(), image.begin(), image.end());
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: klandor_make_ico WINDOW_ICO PROGRAM_ICO\n");
    return 2;
  }
  const klandor::res::Icon& large = klandor::res::icon(32);
  const klandor::res::Icon& small = klandor::res::icon(16);
  if (!writeIco(argv[1], {{&large, 4}, {&small, 4}}) || !writeIco(argv[2], {{&large, 8}})) {
    std::perror("klandor_make_ico");
    return 1;
  }
  return 0;
}
