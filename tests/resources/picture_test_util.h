#pragma once
// Shared look-ups for the picture tests.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "resources/pictures.h"

namespace klandor::res::testing {

inline const Picture& pic(int number) {
  const Picture* p = picture(number);
  if (p == nullptr) throw std::runtime_error("no picture " + std::to_string(number));
  return *p;
}

// A readable name for a pixel in failure messages.
inline std::string where(int number, int x, int y) {
  return std::to_string(number) + " at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

}  // namespace klandor::res::testing
