#pragma once
// Shared look-ups for the picture tests.

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <stdexcept>
#include <string>

#include "resources/pictures.h"

namespace klandor::res::testing {

inline const Picture& pic(int number) {
  const Picture* p = picture(number);
  if (p == nullptr) throw std::runtime_error("no picture " + std::to_string(number));
  return *p;
}

// Every colour within the rectangle, corners included.
inline std::set<std::uint8_t> coloursIn(int number, int x0, int y0, int x1, int y1) {
  std::set<std::uint8_t> s;
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) s.insert(pic(number).at(x, y));
  }
  return s;
}

// A readable name for a pixel in failure messages.
inline std::string where(int number, int x, int y) {
  return std::to_string(number) + " at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

}  // namespace klandor::res::testing
