// The lettering of the Best Times background.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "picture_test_util.h"
#include "resources/best_background.h"
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

TEST(Lettering, ATextTooWideForItsBoxLosesLettersButNeverLeavesIt) {
  BestTimesLettering lettering = englishLettering();
  lettering.labels[1] = "Intermediate Intermediate Intermediate:";
  const std::string shortened = fittedLettering(lettering).labels[1];
  EXPECT_EQ(shortened.substr(0, 13), "Intermediate ");
  EXPECT_EQ(shortened.substr(shortened.size() - 2), ".:");
  const Picture p = bestTimesBackground(lettering);
  int right = 0;
  for (int y = 41; y <= 65; ++y)
    for (int x = 0; x < p.width; ++x)
      if (p.at(x, y) == colour::kBlack) right = std::max(right, x);
  EXPECT_GT(right, 90);
  EXPECT_LE(right, 100) << "the label ran into the column of times";
}

TEST(Lettering, ATextWithALetterTheAlphabetsLackIsLetteredInEnglish) {
  BestTimesLettering lettering = englishLettering();
  lettering.heading = "Fastest \u2603";
  lettering.labels[2] = "Expert\xff:";  // not UTF-8
  EXPECT_EQ(fittedLettering(lettering), englishLettering());
}

}  // namespace
}  // namespace klandor::res
