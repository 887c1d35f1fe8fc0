// Seven-segment digits for the mine counter and the clock: red where a
// segment is lit, a dark red and black checkerboard where it is not.

#include <array>

#include "resources/canvas.h"
#include "resources/catalogue.h"
#include "resources/picture_numbers.h"

namespace klandor::res {

namespace {

using namespace colour;

// One line of a segment: a row (x from..to) or a column (y from..to).
struct Run {
  bool isRow;
  int line;
  int from;
  int to;
};

// Each segment tapers over three lines, from the outer edge inwards.
using Segment = std::array<Run, 3>;

constexpr Run row(int y, int x0, int x1) { return {true, y, x0, x1}; }
constexpr Run column(int x, int y0, int y1) { return {false, x, y0, y1}; }

constexpr Segment kTop = {row(0, 1, 9), row(1, 2, 8), row(2, 3, 7)};
constexpr Segment kUpperLeft = {column(0, 1, 9), column(1, 2, 8), column(2, 3, 7)};
constexpr Segment kUpperRight = {column(10, 1, 9), column(9, 2, 8), column(8, 3, 7)};
constexpr Segment kMiddle = {row(9, 2, 8), row(10, 1, 9), row(11, 2, 8)};
constexpr Segment kLowerLeft = {column(0, 11, 19), column(1, 12, 18), column(2, 13, 17)};
constexpr Segment kLowerRight = {column(10, 11, 19), column(9, 12, 18), column(8, 13, 17)};
constexpr Segment kBottom = {row(20, 1, 9), row(19, 2, 8), row(18, 3, 7)};

constexpr std::array<Segment, 7> kSegments = {kTop,       kUpperLeft,  kUpperRight, kMiddle,
                                              kLowerLeft, kLowerRight, kBottom};

// Lit segments per picture, in the order of kSegments:
// top, upper left, upper right, middle, lower left, lower right, bottom.
constexpr std::array<std::string_view, 11> kLit = {
    "1110111",  // 0
    "0010010",  // 1
    "1011101",  // 2
    "1011011",  // 3
    "0111010",  // 4
    "1101011",  // 5
    "1101111",  // 6
    "1010010",  // 7
    "1111111",  // 8
    "1111011",  // 9
    "0001000",  // minus
};

// An unlit segment keeps dark red on the pixels where x + y is odd, which
// puts dark red on both ends of every tapered line.
std::uint8_t segmentColour(bool lit, int x, int y) {
  if (lit) return kRed;
  return (x + y) % 2 == 1 ? kDarkRed : kBlack;
}

void drawSegment(Canvas& c, const Segment& segment, bool lit) {
  for (const Run& run : segment) {
    for (int i = run.from; i <= run.to; ++i) {
      const int x = run.isRow ? i : run.line;
      const int y = run.isRow ? run.line : i;
      c.set(x, y, segmentColour(lit, x, y));
    }
  }
}

}  // namespace

void addDigits(Catalogue& catalogue) {
  for (std::size_t d = 0; d < kLit.size(); ++d) {
    Canvas c(pic::kDigitWidth, pic::kDigitHeight, kBlack);
    for (std::size_t s = 0; s < kSegments.size(); ++s) drawSegment(c, kSegments[s], kLit[d][s] == '1');
    catalogue[pic::kDigit0 + static_cast<int>(d)] = c.picture();
  }
}

}  // namespace klandor::res
