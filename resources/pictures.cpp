#include "resources/pictures.h"

#include "resources/catalogue.h"

namespace klandor::res {

const std::array<Rgb, 16> kPalette = {{{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                       {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                       {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                       {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}}};

namespace {

// Every picture is drawn once, on first use.
const Catalogue& catalogue() {
  static const Catalogue all = [] {
    Catalogue c;
    addFaces(c);
    addDigits(c);
    addColourTiles(c);
    addMonochromeTiles(c);
    addFlatTiles(c);
    addSolidTiles(c);
    addShadedTiles(c);  // after the colour set: it shares its covered pictures
    addLandscapeTiles(c);
    addDiceTiles(c);
    addLargeColourTiles(c);  // after the colour set, which it enlarges
    addFrame(c);
    addBestTimesBackground(c);
    return c;
  }();
  return all;
}

}  // namespace

const Picture* picture(int number) {
  const auto it = catalogue().find(number);
  return it == catalogue().end() ? nullptr : &it->second;
}

const std::vector<int>& pictureNumbers() {
  static const std::vector<int> numbers = [] {
    std::vector<int> v;
    for (const auto& entry : catalogue()) v.push_back(entry.first);
    return v;
  }();
  return numbers;
}

}  // namespace klandor::res
