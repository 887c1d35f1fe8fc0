#include "kit/statistics_dialog.h"

#include "core/levels.h"
#include "kit/session.h"

namespace klandor::kit {

namespace {

constexpr char kContext[] = "klandor::Form4";

// The columns of the figures: a caption, then one a level.
constexpr int kCaptionLeft = 8, kCaptionWidth = 160;
constexpr int kLevelLeft = 176, kLevelWidth = 104, kLevelStep = 108;
constexpr int kRowHeight = 16, kFigureTop = 28, kFigureStep = 18;
// The list of the fastest wins.
constexpr int kListTop = 232, kListStep = 16;
struct ListColumn {
  int left, width;
  bool right;
};
constexpr ListColumn kListColumns[] = {{8, 24, true}, {36, 76, true}, {128, 124, false}, {260, 76, true}};

Control label(const char* name, Rect rect, Text caption = {}, bool right = false) {
  Control c{Control::kLabel, name, rect, std::move(caption)};
  c.right = right;
  return c;
}

const char* const kFigureCaptions[Form4::kFigures] = {
    KLANDOR_TR_NOOP("klandor::Form4", "Games played"),     KLANDOR_TR_NOOP("klandor::Form4", "Games won"),
    KLANDOR_TR_NOOP("klandor::Form4", "Won (%)"),          KLANDOR_TR_NOOP("klandor::Form4", "Current streak"),
    KLANDOR_TR_NOOP("klandor::Form4", "Longest streak"),   KLANDOR_TR_NOOP("klandor::Form4", "Best time (s)"),
    KLANDOR_TR_NOOP("klandor::Form4", "Average time (s)"), KLANDOR_TR_NOOP("klandor::Form4", "Best 3BV/s"),
};

GameLevel gameLevel(int index) { return static_cast<GameLevel>(index + 1); }

// A figure as data: a number, or a dash where there is none.
Text figure(const std::optional<std::int64_t>& hundredths) {
  return data(hundredths ? hundredthsText(*hundredths) : "-");
}

std::string shortDate(const LocalDateTime& when) {
  std::string s = isoDateTime(when);  // 2026-12-09T21:04:05
  s[10] = ' ';
  return s.substr(0, 16);
}

}  // namespace

const DialogLayout& Form4::layout() const {
  static const DialogLayout layout = [] {
    DialogLayout l{612, 452, std::vector<Control>(kControls, Control{Control::kLabel, "", {}, {}})};
    auto at = [&](int index) -> Control& { return l.controls[static_cast<std::size_t>(index)]; };
    at(Reset) = {Control::kButton, "Reset", {348, 418, 160, 25},
                 KLANDOR_TEXT("klandor::Form4", "&Reset Statistics")};
    at(OK) = {Control::kButton, "OK", {516, 418, 88, 25}, KLANDOR_TEXT("klandor::Form4", "OK")};
    at(FastestLevel) = {Control::kChoice, "FastestLevel", {kLevelLeft, 180, 160, 22}, {}};
    at(FastestLabel) = label("FastestLabel", {kCaptionLeft, 183, kCaptionWidth, kRowHeight},
                             KLANDOR_TEXT("klandor::Form4", "&Fastest wins:"));
    at(FastestLabel).buddy = FastestLevel;
    at(Note) = label("Note", {kCaptionLeft, 400, 596, kRowHeight});
    for (int level = 0; level < kLevelCount; ++level) {
      at(Heading + level) = label("Heading", {kLevelLeft + level * kLevelStep, 8, kLevelWidth, kRowHeight}, {}, true);
    }
    for (int f = 0; f < kFigures; ++f) {
      const int top = kFigureTop + f * kFigureStep;
      at(Caption + f) = label("Caption", {kCaptionLeft, top, kCaptionWidth, kRowHeight},
                              {"klandor::Form4", kFigureCaptions[f]});
      for (int level = 0; level < kLevelCount; ++level) {
        at(Cell + f * kLevelCount + level) =
            label("Figure", {kLevelLeft + level * kLevelStep, top, kLevelWidth, kRowHeight}, {}, true);
      }
    }
    const Text headings[] = {KLANDOR_TEXT("klandor::Form4", "Time (s)"), KLANDOR_TEXT("klandor::Form4", "Date"),
                             KLANDOR_TEXT("klandor::Form4", "3BV/s")};
    for (int h = 0; h < 3; ++h) {
      const ListColumn& c = kListColumns[h + 1];
      at(ListHeading + h) = label("ListHeading", {c.left, kListTop - 18, c.width, kRowHeight}, headings[h], c.right);
    }
    for (int row = 0; row < kFastest; ++row) {
      for (int column = 0; column < 4; ++column) {
        const ListColumn& c = kListColumns[column];
        at(List + row * 4 + column) =
            label("Fastest", {c.left, kListTop + row * kListStep, c.width, kRowHeight}, {}, c.right);
      }
    }
    return l;
  }();
  return layout;
}

Text Form4::title() const { return KLANDOR_TEXT("klandor::Form4", "Statistics"); }

Text Form4::text(int control) const {
  if (control == Note) {
    if (fromFile_) return {};
    return KLANDOR_TEXT("klandor::Form4", "Keep Statistics is off: these are the games of this run only.");
  }
  if (control >= Heading && control < Caption) return {kLevelsContext, kLevels[control - Heading].name.data()};
  if (control >= Cell && control < ListHeading) {
    const int f = (control - Cell) / kLevelCount, level = (control - Cell) % kLevelCount;
    const LevelFigures n = tally_.figures(gameLevel(level));
    switch (f) {
      case Played:
        return data(std::to_string(n.played));
      case Won:
        return data(std::to_string(n.won));
      case Share:
        return data(n.played > 0 ? std::to_string(n.percentWon()) : "-");
      case Streak:
        return data(std::to_string(n.currentStreak));
      case Longest:
        return data(std::to_string(n.longestStreak));
      case Best:
        return figure(n.bestTime);
      case Average:
        return figure(n.averageTime);
      default:
        return figure(n.bestRate);
    }
  }
  if (control >= List && control < kControls) {
    const int row = (control - List) / 4, column = (control - List) % 4;
    const std::span<const GameRow> fastest = tally_.fastest(gameLevel(level_));
    if (row >= static_cast<int>(fastest.size())) return {};
    const GameRow& win = fastest[static_cast<std::size_t>(row)];
    switch (column) {
      case 0:
        return data(std::to_string(row + 1) + ".");
      case 1:
        return data(hundredthsText(timeHundredths(win)));
      case 2:
        return data(shortDate(win.finished));
      default:
        return figure(rateHundredths(win));
    }
  }
  return Dialog::text(control);
}

std::vector<Text> Form4::items(int control) const {
  std::vector<Text> names;
  if (control != FastestLevel) return names;
  for (const Level& level : kLevels) names.emplace_back(kLevelsContext, level.name.data());
  return names;
}

// The rows read afresh, from the file or from this run.
void Form4::update() {
  fromFile_ = session_.settings().options.keepStatistics;
  const std::vector<GameRow> rows = session_.statisticsRows();
  tally_ = StatisticsTally(rows);
}

void Form4::press(int control) {
  if (control == OK) OK_Click();
  if (control == Reset) Reset_Click();
}

void Form4::choose(int control, int item) {
  if (control != FastestLevel || item < 0 || item >= kLevelCount) return;
  level_ = item;
  sync();
}

void Form4::OK_Click() { hide(); }

void Form4::Reset_Click() {
  if (!session_.prompts().confirm(kResetQuestion, kResetTitle)) return;
  session_.resetStatistics();
  update();
  sync();
}

}  // namespace klandor::kit
