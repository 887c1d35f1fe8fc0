#include "resources/canvas.h"

#include <stdexcept>
#include <string>

namespace klandor::res {

namespace {
constexpr char kKeep = '_';
constexpr std::string_view kLegend = "#rgybmc.DRGYBMCW";  // by palette index
}  // namespace

std::uint8_t colourOf(char c) {
  const auto index = kLegend.find(c);
  if (index == std::string_view::npos) {
    throw std::invalid_argument(std::string("no colour for art character '") + c + "'");
  }
  return static_cast<std::uint8_t>(index);
}

Canvas::Canvas(int width, int height, std::uint8_t background)
    : picture_{width, height,
               std::vector<std::uint8_t>(static_cast<std::size_t>(width * height), background)} {}

Canvas::Canvas(Picture start) : picture_(std::move(start)) {}

std::uint8_t Canvas::at(int x, int y) const {
  if (x < 0 || y < 0 || x >= width() || y >= height()) {
    throw std::out_of_range("pixel outside the picture");
  }
  return picture_.at(x, y);
}

void Canvas::set(int x, int y, std::uint8_t colour) {
  if (x < 0 || y < 0 || x >= width() || y >= height()) {
    throw std::out_of_range("drawing outside the picture");
  }
  picture_.pixels[static_cast<std::size_t>(y * width() + x)] = colour;
}

void Canvas::row(int y, int x0, int x1, std::uint8_t colour) {
  for (int x = x0; x <= x1; ++x) set(x, y, colour);
}

void Canvas::column(int x, int y0, int y1, std::uint8_t colour) {
  for (int y = y0; y <= y1; ++y) set(x, y, colour);
}

void Canvas::fill(int x0, int y0, int x1, int y1, std::uint8_t colour) {
  for (int y = y0; y <= y1; ++y) row(y, x0, x1, colour);
}

void Canvas::frame(int x0, int y0, int x1, int y1, std::uint8_t colour) {
  row(y0, x0, x1, colour);
  row(y1, x0, x1, colour);
  column(x0, y0, y1, colour);
  column(x1, y0, y1, colour);
}

void Canvas::bevel(int x0, int y0, int x1, int y1, int depth, std::uint8_t light, std::uint8_t dark) {
  for (int i = 0; i < depth; ++i) {
    row(y0 + i, x0, x1 - i - 1, light);
    column(x0 + i, y0, y1 - i - 1, light);
    column(x1 - i, y0 + i, y1, dark);
    row(y1 - i, x0 + i, x1, dark);
  }
}

void Canvas::paintRow(int x, int y, std::string_view art) {
  for (std::size_t i = 0; i < art.size(); ++i) {
    if (art[i] != kKeep) set(x + static_cast<int>(i), y, colourOf(art[i]));
  }
}

void Canvas::paint(int x, int y, const Art& art) {
  for (const auto line : art) paintRow(x, y++, line);
}

void Canvas::paintBands(std::initializer_list<Band> bands) {
  int y = 0;
  for (const auto& band : bands) {
    if (static_cast<int>(band.art.size()) != width()) throw std::logic_error("band of the wrong width");
    for (int i = 0; i < band.rows; ++i) paintRow(0, y++, band.art);
  }
  if (y != height()) throw std::logic_error("bands do not cover the picture");
}

void Canvas::stamp(int x, int y, const Art& shape, std::uint8_t ink) {
  for (const auto line : shape) {
    for (std::size_t i = 0; i < line.size(); ++i) {
      if (line[i] == '#') {
        set(x + static_cast<int>(i), y, ink);
      } else if (line[i] != kKeep) {
        throw std::invalid_argument("a shape holds only '#' and '_'");
      }
    }
    ++y;
  }
}

void Canvas::recolour(int x0, int y0, int x1, int y1,
                      std::initializer_list<std::pair<std::uint8_t, std::uint8_t>> mapping) {
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      for (const auto& [from, to] : mapping) {
        if (at(x, y) == from) {
          set(x, y, to);
          break;
        }
      }
    }
  }
}

}  // namespace klandor::res
