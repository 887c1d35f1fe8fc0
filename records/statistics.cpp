#include "records/statistics.h"

#include <algorithm>
#include <charconv>
#include <system_error>

#include "core/board.h"

namespace klandor {

namespace {

constexpr std::array<std::string_view, 3> kResultNames = {"won", "lost", "abandoned"};
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr int kMaxClock = 999;
constexpr std::size_t kFields = 9;

std::string_view resultName(GameResult result) { return kResultNames[static_cast<std::size_t>(result)]; }

std::optional<GameResult> resultNamed(std::string_view name) {
  for (std::size_t i = 0; i < kResultNames.size(); ++i) {
    if (kResultNames[i] == name) return static_cast<GameResult>(i);
  }
  return std::nullopt;
}

bool leapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysIn(int year, int month) {
  static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && leapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

bool validDateTime(const LocalDateTime& t) {
  return t.year >= 1 && t.year <= 9999 && t.month >= 1 && t.month <= 12 && t.day >= 1 &&
         t.day <= daysIn(t.year, t.month) && t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59 &&
         t.second >= 0 && t.second <= 60;
}

void appendNumber(std::string& out, std::uint64_t value) {
  char digits[20];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.append(digits, end);
}

// value, at least width digits with leading zeros.
void appendPadded(std::string& out, int value, int width) {
  char digits[12];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.append(static_cast<std::size_t>(std::max<std::ptrdiff_t>(0, width - (end - digits))), '0');
  out.append(digits, end);
}

void appendDateTime(std::string& out, const LocalDateTime& t) {
  appendPadded(out, t.year, 4);
  out += '-';
  appendPadded(out, t.month, 2);
  out += '-';
  appendPadded(out, t.day, 2);
  out += 'T';
  appendPadded(out, t.hour, 2);
  out += ':';
  appendPadded(out, t.minute, 2);
  out += ':';
  appendPadded(out, t.second, 2);
}

bool digit(char c) { return c >= '0' && c <= '9'; }

// Digits only, no sign, no blank, no more than the type holds.
template <typename Number>
std::optional<Number> number(std::string_view text) {
  if (text.empty() || !std::all_of(text.begin(), text.end(), digit)) return std::nullopt;
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// The digits at [at, at + n) of a text already checked to hold digits there.
int digitsAt(std::string_view text, std::size_t at, std::size_t n) {
  int value = 0;
  for (std::size_t i = at; i < at + n; ++i) value = value * 10 + (text[i] - '0');
  return value;
}

// "YYYY-MM-DDTHH:MM:SS". A blank for the T is taken too, as some
// spreadsheets write the date and time when they save the file again.
std::optional<LocalDateTime> dateTime(std::string_view text) {
  constexpr std::string_view kPattern = "0000-00-00T00:00:00";
  if (text.size() != kPattern.size()) return std::nullopt;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char p = kPattern[i];
    const bool fits = p == '0' ? digit(text[i]) : (text[i] == p || (p == 'T' && text[i] == ' '));
    if (!fits) return std::nullopt;
  }
  const LocalDateTime t{digitsAt(text, 0, 4),  digitsAt(text, 5, 2),  digitsAt(text, 8, 2),
                        digitsAt(text, 11, 2), digitsAt(text, 14, 2), digitsAt(text, 17, 2)};
  if (!validDateTime(t)) return std::nullopt;
  return t;
}

// Rounded half up: numerator / denominator for a denominator above 0.
std::int64_t rounded(std::uint64_t numerator, std::uint64_t denominator) {
  return static_cast<std::int64_t>((2 * numerator + denominator) / (2 * denominator));
}

}  // namespace

bool validRow(const GameRow& row) {
  const bool board = row.width >= kMinAcross && row.width <= kMaxAcross && row.height >= kMinDown &&
                     row.height <= kMaxDown && row.mines >= kMinMines && row.mines <= maxMines(row.width, row.height);
  return validDateTime(row.finished) && levelOfNumber(static_cast<int>(row.level)) && board &&
         static_cast<std::size_t>(row.result) < kResultNames.size() && row.seconds >= 0 &&
         row.seconds <= kMaxClock && row.bv >= 1 && row.bv <= row.width * row.height - row.mines;
}

std::string statisticsRow(const GameRow& row) {
  std::string out;
  out.reserve(64);
  appendDateTime(out, row.finished);
  out += ',';
  out += levelName(row.level);
  for (int value : {row.width, row.height, row.mines}) {
    out += ',';
    appendNumber(out, static_cast<std::uint64_t>(value));
  }
  out += ',';
  out += resultName(row.result);
  for (std::uint64_t value : {static_cast<std::uint64_t>(row.seconds), std::uint64_t{row.milliseconds},
                              static_cast<std::uint64_t>(row.bv)}) {
    out += ',';
    appendNumber(out, value);
  }
  out += kLineEnd;
  return out;
}

std::string statisticsAppend(std::string_view tail, const GameRow& row) {
  std::string_view before;
  if (tail.empty()) {
    before = kStatisticsHeader;
  } else if (tail.back() == '\r') {
    before = "\n";  // the row was whole but for its LF
  } else if (tail.back() != '\n') {
    before = ",\r\n";
  }
  std::string out = statisticsRow(row);
  out.insert(0, before);
  return out;
}

std::optional<GameRow> parseStatisticsRow(std::string_view line) {
  std::array<std::string_view, kFields> field;
  std::size_t count = 0;
  for (std::size_t start = 0;;) {
    const std::size_t comma = line.find(',', start);
    if (count == kFields) return std::nullopt;
    field[count++] = line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  if (count != kFields) return std::nullopt;

  const auto finished = dateTime(field[0]);
  const auto level = levelNamed(field[1]);
  const auto width = number<int>(field[2]);
  const auto height = number<int>(field[3]);
  const auto mines = number<int>(field[4]);
  const auto result = resultNamed(field[5]);
  const auto seconds = number<int>(field[6]);
  const auto milliseconds = number<std::uint32_t>(field[7]);
  const auto bv = number<int>(field[8]);
  if (!finished || !level || !width || !height || !mines || !result || !seconds || !milliseconds || !bv)
    return std::nullopt;
  const GameRow row{*finished, *level, *width, *height, *mines, *result, *seconds, *milliseconds, *bv};
  if (!validRow(row)) return std::nullopt;
  return row;
}

std::vector<GameRow> parseStatistics(std::string_view text) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  // Grown row by row, not reserved from the text's size: a large file of
  // other bytes costs no memory beyond its text.
  std::vector<GameRow> rows;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) break;  // cut short
    std::string_view line = text.substr(start, end - start);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (auto row = parseStatisticsRow(line)) rows.push_back(*row);
    start = end + 1;
  }
  return rows;
}

int LevelFigures::percentWon() const {
  if (played <= 0) return 0;
  const int percent = static_cast<int>(rounded(100ULL * static_cast<unsigned>(won), static_cast<unsigned>(played)));
  if (percent == 100 && won < played) return 99;
  if (percent == 0 && won > 0) return 1;
  return percent;
}

std::int64_t timeHundredths(const GameRow& row) { return rounded(row.milliseconds, 10); }

std::optional<std::int64_t> rateHundredths(const GameRow& row) {
  if (row.milliseconds == 0) return std::nullopt;
  return rounded(100000ULL * static_cast<unsigned>(row.bv), row.milliseconds);
}

StatisticsTally::StatisticsTally(std::span<const GameRow> rows) {
  for (const GameRow& row : rows) add(row);
}

void StatisticsTally::add(const GameRow& row) {
  Level& level = levels_[levelIndex(row.level)];
  LevelFigures& f = level.figures;
  ++f.played;
  if (row.result != GameResult::won) {
    ++(row.result == GameResult::lost ? f.lost : f.abandoned);
    f.currentStreak = 0;
    return;
  }
  ++f.won;
  f.longestStreak = std::max(f.longestStreak, ++f.currentStreak);
  level.wonMilliseconds += row.milliseconds;

  // More 3BV per second: bv / ms above best.bv / best.ms, compared exactly.
  if (row.milliseconds > 0 &&
      (!level.bestRate || std::uint64_t(row.bv) * level.bestRate->milliseconds >
                              std::uint64_t(level.bestRate->bv) * row.milliseconds))
    level.bestRate = row;

  // Among the fastest: after every win of the same time already there.
  auto& fastest = level.fastest;
  const auto end = fastest.begin() + static_cast<std::ptrdiff_t>(level.fastestCount);
  const auto at = std::upper_bound(fastest.begin(), end, row.milliseconds,
                                   [](std::uint32_t ms, const GameRow& win) { return ms < win.milliseconds; });
  if (at == fastest.end()) return;
  if (level.fastestCount < kFastest) ++level.fastestCount;
  std::move_backward(at, fastest.begin() + static_cast<std::ptrdiff_t>(level.fastestCount) - 1,
                     fastest.begin() + static_cast<std::ptrdiff_t>(level.fastestCount));
  *at = row;
}

LevelFigures StatisticsTally::figures(GameLevel level) const {
  const Level& l = levels_[levelIndex(level)];
  LevelFigures f = l.figures;
  if (f.won > 0) {
    f.bestTime = timeHundredths(l.fastest[0]);
    f.averageTime = rounded(l.wonMilliseconds, 10ULL * static_cast<unsigned>(f.won));
  }
  if (l.bestRate) f.bestRate = rateHundredths(*l.bestRate);
  return f;
}

std::span<const GameRow> StatisticsTally::fastest(GameLevel level) const {
  const Level& l = levels_[levelIndex(level)];
  return {l.fastest.data(), l.fastestCount};
}

std::string hundredthsText(std::int64_t hundredths) {
  std::string out;
  std::uint64_t magnitude = static_cast<std::uint64_t>(hundredths);
  if (hundredths < 0) {
    out += '-';
    magnitude = 0 - magnitude;
  }
  appendNumber(out, magnitude / 100);
  out += '.';
  appendPadded(out, static_cast<int>(magnitude % 100), 2);
  return out;
}

std::string isoDateTime(const LocalDateTime& when) {
  std::string out;
  appendDateTime(out, when);
  return out;
}

}  // namespace klandor
