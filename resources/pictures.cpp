// Placeholder catalogue: right sizes, flat colours. Replaced by the drawn set.
#include "resources/pictures.h"

#include <map>

#include "resources/picture_numbers.h"

namespace klandor::res {

const std::array<Rgb, 16> kPalette = {{{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                       {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                       {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                       {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}}};

namespace {
Picture flat(int w, int h, std::uint8_t c) {
  return Picture{w, h, std::vector<std::uint8_t>(static_cast<std::size_t>(w * h), c)};
}
const std::map<int, Picture>& all() {
  static const std::map<int, Picture> m = [] {
    std::map<int, Picture> r;
    r[pic::kInitialFace] = flat(26, 26, 11);
    for (int n = 101; n <= 105; ++n) r[n] = flat(25, 25, 11);
    for (int n = 200; n <= 210; ++n) r[n] = flat(11, 21, static_cast<std::uint8_t>(n - 200));
    for (int set : {0, 2000}) {
      for (int n = 300; n <= 308; ++n) r[set + n] = flat(16, 16, static_cast<std::uint8_t>(n - 300 + 7));
      for (int n = 400; n <= 406; ++n) r[set + n] = flat(16, 16, static_cast<std::uint8_t>(n - 400 + 1));
    }
    r[500] = flat(41, 25, 0);
    r[501] = flat(12, 55, 15);
    r[502] = flat(12, 55, 8);
    r[503] = flat(1, 55, 7);
    r[504] = flat(12, 12, 15);
    r[505] = flat(12, 12, 8);
    r[506] = flat(1, 12, 7);
    r[507] = flat(12, 1, 7);
    r[600] = flat(303, 100, 7);
    return r;
  }();
  return m;
}
}  // namespace

const Picture* picture(int number) {
  auto it = all().find(number);
  return it == all().end() ? nullptr : &it->second;
}

const std::vector<int>& pictureNumbers() {
  static const std::vector<int> v = [] {
    std::vector<int> r;
    for (const auto& [n, p] : all()) r.push_back(n);
    return r;
  }();
  return v;
}

const Icon& icon(int size) {
  static const Icon i16{flat(16, 16, 0), std::vector<bool>(256, false)};
  static const Icon i32{flat(32, 32, 0), std::vector<bool>(1024, false)};
  return size == 16 ? i16 : i32;
}

}  // namespace klandor::res
