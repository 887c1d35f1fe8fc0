#include "records/statistics.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace klandor {
namespace {

using testing::ElementsAre;
using testing::Field;

GameRow win(std::uint32_t ms, int bv = 10, int day = 1) {
  return {{2026, 1, day, 12, 0, 0}, GameLevel::beginner, 8, 8, 10, GameResult::won, int(ms / 1000), ms, bv};
}
GameRow game(GameResult result, GameLevel level = GameLevel::beginner) {
  GameRow row = win(5000);
  row.result = result;
  row.level = level;
  return row;
}

TEST(Statistics, RowsReadBackAsWritten) {
  const GameRow first{{2026, 12, 9, 21, 4, 5}, GameLevel::beginner, 8, 8, 10, GameResult::won, 12, 11532, 23};
  EXPECT_EQ(statisticsRow(first), "2026-12-09T21:04:05,beginner,8,8,10,won,12,11532,23\r\n");
  const std::vector<GameRow> rows = {
      first,
      {{2024, 2, 29, 0, 0, 60}, GameLevel::custom, 30, 24, 667, GameResult::abandoned, 999, 4294967295u, 53},
      {{1, 1, 1, 23, 59, 59}, GameLevel::expert, 30, 16, 99, GameResult::lost, 0, 0, 381},
  };
  std::string text(kStatisticsHeader);
  for (const GameRow& row : rows) text += statisticsRow(row);
  EXPECT_EQ(parseStatistics(text), rows);
}

TEST(Statistics, SkipsLinesThatAreNoRow) {
  const std::string good = "2026-12-09T21:04:05,beginner,8,8,10,won,12,11532,23";
  auto with = [&](std::size_t field, const std::string& value) {
    std::vector<std::string> f;
    for (std::size_t at = 0, comma = 0; comma != std::string::npos; at = comma + 1) {
      comma = good.find(',', at);
      f.push_back(good.substr(at, comma - at));
    }
    f[field] = value;
    std::string line = f[0];
    for (std::size_t i = 1; i < f.size(); ++i) line += "," + f[i];
    return line + "\r\n";
  };
  const std::string text = "\xEF\xBB\xBF" + std::string(kStatisticsHeader) + with(1, "expert") + good + ",1\r\n" +
                           "2026-12-09T21:04:05,beginner,8,8,10,won,12,11532\r\n" + with(0, "2026-12-09 21:04:05") +
                           with(0, "2025-02-29T10:00:00") + with(0, "2026-12-09T24:00:00") + with(1, "Beginner") +
                           with(2, "31") + with(2, " 8") + with(3, "-8") + with(4, "50") + with(5, "draw") +
                           with(6, "1000") + with(7, "4294967296") + with(7, "1.5") + with(8, "0") +
                           with(8, "55") + with(8, "") + "\r\n" + with(8, "54").substr(0, good.size() + 1) + "\n" +
                           good.substr(0, good.size() - 1);
  EXPECT_THAT(parseStatistics(text), ElementsAre(Field(&GameRow::level, GameLevel::expert),
                                                 Field(&GameRow::finished, LocalDateTime{2026, 12, 9, 21, 4, 5}),
                                                 Field(&GameRow::bv, 54)));
}

TEST(Statistics, AppendingKeepsATornLastLineSkipped) {
  const GameRow row = win(11532, 23);
  EXPECT_EQ(statisticsAppend("", row), std::string(kStatisticsHeader) + statisticsRow(row));
  const std::string whole = std::string(kStatisticsHeader) + statisticsRow(win(9000, 25));
  EXPECT_EQ(statisticsAppend(whole, row), statisticsRow(row));
  // Cut before the LF, the row is whole; cut in its 3BV, it would read as 2.
  EXPECT_THAT(parseStatistics(whole.substr(0, whole.size() - 1) + statisticsAppend("\r", row)),
              ElementsAre(win(9000, 25), row));
  const std::string torn = whole.substr(0, whole.size() - 3);
  EXPECT_THAT(parseStatistics(torn + statisticsAppend(torn, row)), ElementsAre(row));
}

TEST(Statistics, FiguresPerLevel) {
  using enum GameResult;
  StatisticsTally tally(std::vector<GameRow>{win(10004), win(20000), win(30000), game(lost), win(9995, 30),
                                             game(lost, GameLevel::expert), game(abandoned), win(40000, 50),
                                             win(40001)});
  const LevelFigures b = tally.figures(GameLevel::beginner);
  EXPECT_EQ(b.played, 8);
  EXPECT_EQ(b.won, 6);
  EXPECT_EQ(b.lost, 1);
  EXPECT_EQ(b.abandoned, 1);
  EXPECT_EQ(b.percentWon(), 75);
  EXPECT_EQ(b.longestStreak, 3);
  EXPECT_EQ(b.currentStreak, 2);
  EXPECT_EQ(b.bestTime, 1000);     // 9.995 s rounds up
  EXPECT_EQ(b.averageTime, 2500);  // 150000 ms over 6 wins
  EXPECT_EQ(b.bestRate, 300);      // 30 3BV in 9.995 s
  const LevelFigures e = tally.figures(GameLevel::expert);
  EXPECT_EQ(e.played, 1);
  EXPECT_EQ(e.currentStreak, 0);
  EXPECT_FALSE(e.bestTime || e.averageTime || e.bestRate);
  EXPECT_EQ(tally.figures(GameLevel::custom).played, 0);

  // Only a win in no time at all: a time, but no 3BV per second.
  StatisticsTally instant(std::vector<GameRow>{win(0)});
  EXPECT_EQ(instant.figures(GameLevel::beginner).bestTime, 0);
  EXPECT_FALSE(instant.figures(GameLevel::beginner).bestRate);
  EXPECT_FALSE(rateHundredths(win(0)));
  EXPECT_EQ(rateHundredths(win(3000, 1)), 33);
}

TEST(Statistics, TenFastestInTimeThenInOrderAdded) {
  StatisticsTally tally;
  // Days 1..6 ever faster, 7..12 each as fast as day 5, 13 too slow for a full list.
  for (int day = 1; day <= 13; ++day)
    tally.add(win(day <= 6 ? 20000 - 1000 * std::uint32_t(day) : day < 13 ? 15000 : 99999, 10, day));
  std::vector<int> days;
  for (const GameRow& row : tally.fastest(GameLevel::beginner)) days.push_back(row.finished.day);
  EXPECT_THAT(days, ElementsAre(6, 5, 7, 8, 9, 10, 11, 12, 4, 3));
  EXPECT_TRUE(tally.fastest(GameLevel::expert).empty());
}

TEST(Statistics, ShareWonAndNumbersAsText) {
  auto percent = [](int won, int played) {
    LevelFigures f;
    f.played = played;
    f.won = won;
    return f.percentWon();
  };
  EXPECT_EQ(percent(0, 0), 0);
  EXPECT_EQ(percent(1, 2), 50);
  EXPECT_EQ(percent(199, 200), 99);
  EXPECT_EQ(percent(1, 201), 1);
  EXPECT_EQ(percent(3, 3), 100);
  EXPECT_EQ(hundredthsText(1234), "12.34");
  EXPECT_EQ(hundredthsText(5), "0.05");
  EXPECT_EQ(hundredthsText(-105), "-1.05");
  EXPECT_EQ(isoDateTime({33, 2, 3, 4, 5, 6}), "0033-02-03T04:05:06");
}

}  // namespace
}  // namespace klandor
