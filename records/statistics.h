#pragma once
// The statistics file: one row for every finished game, in a comma-separated
// text any spreadsheet opens (UTF-8 without a byte-order mark), and the
// figures the statistics dialog shows, summed from its rows.
//
//   finished,level,width,height,mines,result,seconds,milliseconds,3bv
//   2026-12-09T21:04:05,beginner,8,8,10,won,12,11532,23
//
// finished is the local date and time the game ended; result is won, lost
// or abandoned (mines laid, then the board left for a new one or the game
// closed); seconds is the clock as shown, milliseconds the time from the
// first release to the end, and 3bv the board's 3BV. A board whose mines
// were never laid is no game and has no row.
//
// Every line ends in CR LF, as the comma-separated format asks and as the
// best-times file does, so the file is the same bytes on every system. A
// reader takes LF alone as well, as a spreadsheet that saved the file again
// may write it.
//
// Only this file's functions know the text: the file operations read it
// whole, append to it, and hand the text here. The figures come from rows,
// read from the file or kept in memory for this run's games alone.

#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "records/game_level.h"

namespace klandor {

enum class GameResult : int { won, lost, abandoned };

// A local date and time to the second, as ISO 8601 writes it. Compared by
// its fields, in order.
struct LocalDateTime {
  int year = 2000;   // 1..9999
  int month = 1;     // 1..12
  int day = 1;       // 1..the month's days
  int hour = 0;      // 0..23
  int minute = 0;    // 0..59
  int second = 0;    // 0..60 (60 for a leap second)

  friend auto operator<=>(const LocalDateTime&, const LocalDateTime&) = default;
};

// One finished game.
struct GameRow {
  LocalDateTime finished;
  GameLevel level = GameLevel::beginner;
  int width = 8;                   // 8..30
  int height = 8;                  // 8..24
  int mines = 10;                  // 10..(width - 1) x (height - 1)
  GameResult result = GameResult::won;
  int seconds = 0;                 // the clock, 0..999
  std::uint32_t milliseconds = 0;  // from the first release to the end
  int bv = 1;                      // the board's 3BV, 1..the cells without a mine

  friend bool operator==(const GameRow&, const GameRow&) = default;
};

inline constexpr std::string_view kStatisticsFileName = "statistics.csv";
inline constexpr std::string_view kLineEnd = "\r\n";
// The first line of the file, its line end included.
inline constexpr std::string_view kStatisticsHeader =
    "finished,level,width,height,mines,result,seconds,milliseconds,3bv\r\n";

// Whether every field of the row is within the limits above: a row that is
// not reads back as skipped.
bool validRow(const GameRow& row);

// The row as one line of the file, its line end included. Its level and
// result must be ones of their enumerations.
std::string statisticsRow(const GameRow& row);

// What to append to a file whose text ends in tail (the whole text or any
// end of it that holds its last byte; empty for a missing or empty file) to
// add the row: the header first for an empty file. A last line cut short
// (no line end) is closed with a comma and a line end first, one field too
// many or an empty one, so that it stays skipped and never joins the row.
std::string statisticsAppend(std::string_view tail, const GameRow& row);

// One line without its line end; none for a line that is not a row: the
// header, a wrong number of fields, a field that is not a number or not one
// of the names, a value out of the limits above.
std::optional<GameRow> parseStatisticsRow(std::string_view line);

// Every row of a whole file's text, in file order. A byte-order mark at the
// start is passed over; a line that is no row is skipped, and so is a last
// line without its line end, which a write cut short may have left.
std::vector<GameRow> parseStatistics(std::string_view text);

// The figures of one level. Every game counts as played: won, lost or
// abandoned. A game abandoned is not won, so it ends a winning streak and
// lowers the share won, just as a loss does; leaving a board about to be
// lost keeps no record clean. Streaks follow the order of the rows (the
// order the games ended in, whatever their dates say); a loss at one level
// breaks no streak at another. All Custom boards count as one level.
struct LevelFigures {
  int played = 0;
  int won = 0;
  int lost = 0;
  int abandoned = 0;
  int currentStreak = 0;  // the wins since the last game not won
  int longestStreak = 0;
  // Hundredths of a second, rounded half up from the milliseconds; none
  // without a win.
  std::optional<std::int64_t> bestTime;
  std::optional<std::int64_t> averageTime;
  // Hundredths of 3BV per second, rounded half up; none without a win that
  // took time (a first release that wins at once takes none).
  std::optional<std::int64_t> bestRate;

  // The share won in whole percent, rounded half up, except that it says 0
  // only when no game was won and 100 only when every one was.
  int percentWon() const;
};

// A row's winning time in hundredths of a second, rounded half up.
std::int64_t timeHundredths(const GameRow& row);
// A row's 3BV per second in hundredths, rounded half up; none for a game of
// no time.
std::optional<std::int64_t> rateHundredths(const GameRow& row);

// The figures summed row by row, from a file read or from this run's games.
class StatisticsTally {
 public:
  static constexpr std::size_t kFastest = 10;

  StatisticsTally() = default;
  explicit StatisticsTally(std::span<const GameRow> rows);

  void add(const GameRow& row);

  LevelFigures figures(GameLevel level) const;
  // The level's fastest wins, at most kFastest, fastest first; of two wins
  // in the same milliseconds the one added first comes first.
  std::span<const GameRow> fastest(GameLevel level) const;

 private:
  struct Level {
    LevelFigures figures;
    std::uint64_t wonMilliseconds = 0;
    std::optional<GameRow> bestRate;  // the win with the most 3BV per second
    std::array<GameRow, kFastest> fastest{};
    std::size_t fastestCount = 0;
  };
  std::array<Level, 4> levels_{};
};

// Hundredths as a number with two decimals and a point: 1234 as "12.34",
// 5 as "0.05". Negative values keep their sign.
std::string hundredthsText(std::int64_t hundredths);

// The date and time as the file writes it: "2026-12-09T21:04:05".
std::string isoDateTime(const LocalDateTime& when);

}  // namespace klandor
