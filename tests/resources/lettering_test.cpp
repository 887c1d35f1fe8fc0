// The lettering of the Best Times background.

#include <gtest/gtest.h>

#include <cstdint>

#include "picture_test_util.h"
#include "resources/picture_numbers.h"

namespace klandor::res {
namespace {

using testing::pic;

std::uint64_t fingerprint(const Picture& p) {
  std::uint64_t h = 14695981039346656037ULL;  // FNV-1a over the size and every pixel
  for (const int v : {p.width, p.height}) h = (h ^ static_cast<std::uint64_t>(v)) * 1099511628211ULL;
  for (const std::uint8_t v : p.pixels) h = (h ^ v) * 1099511628211ULL;
  return h;
}

// The English picture as it has always been drawn, to the bit.
TEST(Lettering, TheEnglishBackgroundIsUnchanged) {
  EXPECT_EQ(fingerprint(pic(pic::kBestTimesBackground)), 0x0c69046361c867c4ULL);
}

}  // namespace
}  // namespace klandor::res
