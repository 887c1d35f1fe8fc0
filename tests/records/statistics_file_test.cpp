// The statistics file beside the best-times file: rows appended after what
// is there, the header only for a new file, a row cut short kept apart.
#include "records/statistics_file.h"

#include <gtest/gtest.h>

#include "test_files.h"

namespace klandor {
namespace {

GameRow row(int seconds) {
  GameRow r;
  r.finished = {2026, 12, 9, 21, 4, 5};
  r.seconds = seconds;
  r.milliseconds = static_cast<std::uint32_t>(seconds * 1000);
  r.bv = 5;
  return r;
}

TEST(StatisticsFile, AppendsAfterALongFileWhoseLastRowWasCutShort) {
  test::TempDir dir;
  BestFile best(dir / "minebs.txt");
  StatisticsFile file(best);
  ASSERT_FALSE(file.append(row(1)));
  EXPECT_EQ(test::readBytes(dir / "statistics.csv").rfind(std::string(kStatisticsHeader), 0), 0u);

  // Far more than the end the append reads, then a row cut short.
  std::string text = test::readBytes(dir / "statistics.csv");
  for (int i = 2; i < 200; ++i) text += statisticsRow(row(i));
  text += statisticsRow(row(999)).substr(0, 20);
  test::writeBytes(dir / "statistics.csv", text);
  ASSERT_FALSE(file.append(row(7)));

  const std::vector<GameRow> rows = file.read();
  ASSERT_EQ(rows.size(), 200u) << "the one header, every whole row, the cut one skipped";
  EXPECT_EQ(rows.back(), row(7));
  EXPECT_TRUE(file.kept().empty());
}

}  // namespace
}  // namespace klandor
