#pragma once
// The Custom Field's OK: the three boxes read as numbers and brought into
// the limits of a board.

#include <string_view>

#include "core/board.h"

namespace klandor {

struct CustomField {
  int across = 0;
  int down = 0;
  int totalmines = 0;

  friend bool operator==(const CustomField&, const CustomField&) = default;
};

// Each text is read with the leading-number conversion and a fraction is
// cut to its whole part. Then the width is held to 8..30, the height to
// 8..24 and the mines, with the limited width and height, first to at most
// (width - 1) x (height - 1) and then to at least 10.
CustomField customField(std::string_view acr, std::string_view dwn, std::string_view tm);

}  // namespace klandor
