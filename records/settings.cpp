#include "records/settings.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <system_error>
#include <vector>

#include "core/board.h"
#include "core/tile_sets.h"

namespace klandor {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";

struct OptionKey {
  std::string_view key;
  bool Options::*option;
};
constexpr std::array<OptionKey, 5> kOptionKeys = {{
    {"chording", &Options::chording},
    {"click-numbers-to-chord", &Options::clickNumbersToChord},
    {"guess-free", &Options::guessFree},
    {"remember-level-and-look", &Options::rememberLevelAndLook},
    {"keep-statistics", &Options::keepStatistics},
}};

constexpr std::string_view kLevelKey = "level";
constexpr std::string_view kWidthKey = "width";
constexpr std::string_view kHeightKey = "height";
constexpr std::string_view kMinesKey = "mines";
constexpr std::string_view kTileSetKey = "tile-set";
constexpr std::string_view kMarksKey = "marks";
constexpr std::array<std::string_view, 6> kLookKeys = {kLevelKey, kWidthKey,   kHeightKey,
                                                       kMinesKey, kTileSetKey, kMarksKey};

struct TileSetName {
  int tileset;
  std::string_view name;
};
constexpr std::array<TileSetName, 7> kTileSetNames = {{
    {pic::kColourTiles, "color"},
    {pic::kMonochromeTiles, "monochrome"},
    {pic::kFlatTiles, "flat"},
    {pic::kSolidTiles, "solid-color"},
    {pic::kShadedTiles, "shaded"},
    {pic::kLandscapeTiles, "landscape"},
    {pic::kDiceTiles, "dice"},
}};

constexpr bool everyChoiceNamed() {
  for (const TileSetChoice& choice : kTileSetChoices) {
    if (std::none_of(kTileSetNames.begin(), kTileSetNames.end(),
                     [&](const TileSetName& n) { return n.tileset == choice.tileset; }))
      return false;
  }
  return kTileSetNames.size() == kTileSetChoices.size();
}
static_assert(everyChoiceNamed(), "every tile set of the menu has its name in the file, and no other");

bool blank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

std::string lowered(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

// One line of the file, its line end taken off.
struct Line {
  std::string_view text;
  std::string key;  // lower case; empty for a line that sets nothing
  std::string value;
  bool kept = true;  // a comment, a blank line, a section or a key=value line
};

std::vector<Line> linesOf(std::string_view text) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  std::vector<Line> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view raw = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (raw.ends_with('\r')) raw.remove_suffix(1);
    Line line{raw, {}, {}, true};
    // A control character marks a file of other bytes: no line of it is kept.
    if (std::any_of(raw.begin(), raw.end(), [](char c) {
          const auto byte = static_cast<unsigned char>(c);
          return (byte < 0x20 && c != '\t') || byte == 0x7f;
        })) {
      line.kept = false;
      lines.push_back(std::move(line));
      continue;
    }
    const std::string_view body = trimmed(raw);
    const bool passed = body.empty() || body.front() == '#' || body.front() == ';' || body.front() == '[';
    const std::size_t equals = body.find('=');
    if (!passed) {
      if (equals == std::string_view::npos || equals == 0) {
        line.kept = false;
      } else {
        line.key = lowered(trimmed(body.substr(0, equals)));
        line.value = lowered(trimmed(body.substr(equals + 1)));
      }
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

std::optional<bool> onOff(std::string_view value) {
  for (std::string_view on : {"1", "on", "true", "yes"}) {
    if (value == on) return true;
  }
  for (std::string_view off : {"0", "off", "false", "no"}) {
    if (value == off) return false;
  }
  return std::nullopt;
}

// A whole number with an optional sign; one too large for an int is held
// at the int's limit of its sign, to be brought into range afterwards.
std::optional<int> wholeNumber(std::string_view value) {
  const bool negative = value.starts_with('-');
  if (negative || value.starts_with('+')) value.remove_prefix(1);
  if (value.empty() || !std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  long long magnitude = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), magnitude);
  if (error == std::errc::result_out_of_range || magnitude > std::numeric_limits<int>::max())
    return negative ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
  return static_cast<int>(negative ? -magnitude : magnitude);
}

// The upper limit first, then the lower one, as the Custom Field does.
int limited(int value, int low, int high) { return std::max(std::min(value, high), low); }

std::string_view onOffText(bool on) { return on ? "on" : "off"; }

void appendLine(std::string& out, std::string_view key, std::string_view value) {
  out += key;
  out += '=';
  out += value;
  out += kLineEnd;
}

}  // namespace

Settings parseSettings(std::string_view text) {
  Settings s;
  std::optional<int> width, height, mines;
  for (const Line& line : linesOf(text)) {
    if (line.key.empty()) continue;
    for (const OptionKey& k : kOptionKeys) {
      if (line.key == k.key) {
        if (const auto on = onOff(line.value)) s.options.*k.option = *on;
      }
    }
    if (line.key == kLevelKey) {
      if (const auto level = levelNamed(line.value)) s.look.level = *level;
    } else if (line.key == kTileSetKey) {
      if (const auto tileset = tileSetNamed(line.value)) s.look.tileset = *tileset;
    } else if (line.key == kMarksKey) {
      if (const auto on = onOff(line.value)) s.look.marks = *on;
    } else if (line.key == kWidthKey || line.key == kHeightKey || line.key == kMinesKey) {
      auto& target = line.key == kWidthKey ? width : line.key == kHeightKey ? height : mines;
      if (const auto n = wholeNumber(line.value)) target = n;
    }
  }
  CustomField& board = s.look.custom;
  board.across = limited(width.value_or(kMinAcross), kMinAcross, kMaxAcross);
  board.down = limited(height.value_or(kMinDown), kMinDown, kMaxDown);
  board.totalmines = limited(mines.value_or(kMinMines), kMinMines, maxMines(board.across, board.down));
  return s;
}

std::string formatSettings(const Settings& settings, std::string_view previous) {
  // The game's keys and their values, in the order a new file lists them.
  std::vector<std::pair<std::string_view, std::string>> ours;
  for (const OptionKey& k : kOptionKeys) ours.emplace_back(k.key, onOffText(settings.options.*k.option));
  const RememberedLook& look = settings.look;
  if (settings.options.rememberLevelAndLook) {
    ours.emplace_back(kLevelKey, levelName(look.level));
    if (look.level == GameLevel::custom) {
      ours.emplace_back(kWidthKey, std::to_string(look.custom.across));
      ours.emplace_back(kHeightKey, std::to_string(look.custom.down));
      ours.emplace_back(kMinesKey, std::to_string(look.custom.totalmines));
    }
    if (!tileSetName(look.tileset).empty()) ours.emplace_back(kTileSetKey, tileSetName(look.tileset));
    ours.emplace_back(kMarksKey, onOffText(look.marks));
  }
  auto gameKey = [](std::string_view key) {
    return std::any_of(kOptionKeys.begin(), kOptionKeys.end(), [&](const OptionKey& k) { return k.key == key; }) ||
           std::find(kLookKeys.begin(), kLookKeys.end(), key) != kLookKeys.end();
  };

  std::string out;
  std::vector<bool> written(ours.size(), false);
  for (const Line& line : linesOf(previous)) {
    if (!line.kept) continue;
    if (line.key.empty() || !gameKey(line.key)) {
      out += line.text;
      out += kLineEnd;
      continue;
    }
    // A key of the game: its value now at its first line, and no other.
    for (std::size_t i = 0; i < ours.size(); ++i) {
      if (ours[i].first == line.key && !written[i]) {
        appendLine(out, ours[i].first, ours[i].second);
        written[i] = true;
      }
    }
  }
  for (std::size_t i = 0; i < ours.size(); ++i) {
    if (!written[i]) appendLine(out, ours[i].first, ours[i].second);
  }
  return out;
}

std::string_view tileSetName(int tileset) {
  for (const TileSetName& n : kTileSetNames) {
    if (n.tileset == tileset) return n.name;
  }
  return {};
}

std::optional<int> tileSetNamed(std::string_view name) {
  for (const TileSetName& n : kTileSetNames) {
    if (n.name == name) return n.tileset;
  }
  return std::nullopt;
}

RememberedLook lookOf(const Module1& settings, bool marks) {
  RememberedLook look;
  // The selections in the order the load tests them: the last in force wins.
  if (settings.custom == kTrue) {
    look.level = GameLevel::custom;
    look.custom = {settings.across, settings.down, settings.totalmines};
  } else if (settings.expert) {
    look.level = GameLevel::expert;
  } else if (settings.intermediate) {
    look.level = GameLevel::intermediate;
  }
  look.tileset = settings.tileset;
  look.marks = marks;
  return look;
}

void applyLook(const RememberedLook& look, Module1& settings) {
  settings.beginner = look.level == GameLevel::beginner;
  settings.intermediate = look.level == GameLevel::intermediate;
  settings.expert = look.level == GameLevel::expert;
  settings.custom = look.level == GameLevel::custom ? kTrue : kFalse;
  if (look.level == GameLevel::custom) {
    settings.across = look.custom.across;
    settings.down = look.custom.down;
    settings.totalmines = look.custom.totalmines;
  }
  if (!tileSetName(look.tileset).empty()) settings.tileset = look.tileset;
}

}  // namespace klandor
