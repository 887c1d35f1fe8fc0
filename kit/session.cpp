#include "kit/session.h"

#include <array>
#include <chrono>

#include "core/levels.h"
#include "core/three_bv.h"
#include "core/tile_sets.h"

namespace klandor::kit {

std::string SyncedPrompts::inputBox(const std::string& prompt, const std::string& title,
                                    const std::string& defaultReply) {
  syncWindows_();
  return prompts_.inputBox(prompt, title, defaultReply);
}

bool SyncedPrompts::confirm(const std::string& message, const std::string& title) {
  syncWindows_();
  return prompts_.confirm(message, title);
}

void SyncedPrompts::warn(const std::string& title, const std::string& message, const std::string& detail) {
  syncWindows_();
  prompts_.warn(title, message, detail);
}

void SyncedPrompts::inform(const std::string& title, const std::string& message, const std::string& detail) {
  syncWindows_();
  prompts_.inform(title, message, detail);
}

std::string release() { return KLANDOR_RELEASE; }

StatisticsClocks systemClocks() {
  return {[] {
            return static_cast<std::int64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                                 std::chrono::steady_clock::now().time_since_epoch())
                                                 .count());
          },
          &localNow};
}

namespace {

// The settings of the first board: every option as the file says, and
// with Remember Level and Look on its level and look.
Module1 startSettings(const Settings& saved) {
  Module1 m;
  m.options = saved.options;
  if (saved.options.rememberLevelAndLook) applyLook(saved.look, m);
  return m;
}

}  // namespace

// The dialog also opens after a record, in the middle of the winning
// release: it too stands over a window that shows the won board.
Session::Session(Places places, Prompts& prompts, SeedClock clock, PlatformFiles& files, Random* random,
                 StatisticsClocks clocks)
    : settingsFile_(std::move(places.settings), files),
      saved_(settingsFile_.load()),
      settings_(startSettings(saved_)),
      prompts_(prompts, [this] { syncWindows(); }),
      file_(std::move(places.bestTimes), files),
      records_(file_, prompts_, [this] { form2_.open(); }),
      statistics_(file_, files),
      clocks_(std::move(clocks)),
      game_(settings_, random != nullptr ? *random : ownRandom_, std::move(clock), this),
      form2_(*this),
      form3_(*this),
      form4_(*this) {
  if (saved_.options.rememberLevelAndLook && saved_.look.marks) game_.mnuMarks_Click();
}

void Session::syncWindows() {
  if (shell_ != nullptr) shell_->syncWindow();
  form2_.sync();
  form3_.sync();
  form4_.sync();
}

void Session::choose(Menu item) {
  if (const Command command = commandOf(item)) command(*this, item);
  commandDone();
}

Settings Session::current() const {
  return {settings_.options, lookOf(settings_, game_.menu.checked(Menu::mnuMarks))};
}

void Session::commandDone() {
  // Nothing is written until the player changes an option; the look only
  // while it is to be remembered.
  const Settings now = current();
  const bool changed = now.options != saved_.options ||
                       (now.options.rememberLevelAndLook && now.look != saved_.look);
  if (changed) {
    const FileOutcome error = settingsFile_.save(now);
    saved_ = now;
    if (error && !settingsWarned_) {
      settingsWarned_ = true;
      prompts_.warn(kSettingsTitle, kSettingsFailed, error->reason);
    }
  }
  syncWindows();
}

void Session::exit() {
  game_.leaveBoard();
  records_.atExit();
  if (shell_ != nullptr) shell_->quit();
}

void Session::gameBegun(const Game& game) {
  begun_ = clocks_.milliseconds();
  // A board that no guess-free search found in time: told once for each
  // size of board.
  if (game.b.guessFreeGaveUp && told_.insert({game.m.across, game.m.down}).second) {
    prompts_.inform(kGuessFreeTitle, kGuessFreeGaveUp, {});
  }
}

void Session::gameEnded(const Game& game, GameEnd end) {
  GameRow row;
  row.finished = clocks_.now();
  row.level = levelOfNumber(game.b.levelnum).value_or(GameLevel::custom);
  row.width = game.m.across;
  row.height = game.m.down;
  row.mines = game.m.totalmines;
  row.result = end == GameEnd::kWon ? GameResult::won : end == GameEnd::kLost ? GameResult::lost : GameResult::abandoned;
  row.seconds = game.b.seconds;
  row.milliseconds = static_cast<std::uint32_t>(std::max<std::int64_t>(0, clocks_.milliseconds() - begun_));
  row.bv = threeBV(game.m.across, game.m.down, game.b.ismine);
  if (!validRow(row)) return;
  runRows_.push_back(row);
  if (settings_.options.keepStatistics) statistics_.append(row);
}

std::vector<GameRow> Session::statisticsRows() const {
  if (!settings_.options.keepStatistics) return runRows_;
  std::vector<GameRow> rows = statistics_.read();
  rows.insert(rows.end(), statistics_.kept().begin(), statistics_.kept().end());
  return rows;
}

void Session::resetStatistics() {
  if (settings_.options.keepStatistics) statistics_.reset(clocks_.now());
  runRows_.clear();
}

namespace {

void play(Session& s, void (Game::*handler)()) { (s.game().*handler)(); }

struct CommandRow {
  Menu item;
  Command command;
};

// The items with a command of their own; the levels' items and the tile
// sets' follow their tables.
constexpr std::array<CommandRow, 8> kCommands = {{
    {Menu::mnuNew, [](Session& s, Menu) { play(s, &Game::mnuNew_Click); }},
    {Menu::mnuMarks, [](Session& s, Menu) { play(s, &Game::mnuMarks_Click); }},
    {Menu::mnuColor, [](Session& s, Menu) { play(s, &Game::mnuColor_Click); }},
    {Menu::mnuBest, [](Session& s, Menu) { s.form2().open(); }},
    {Menu::mnuStatistics, [](Session& s, Menu) { s.form4().open(); }},
    {Menu::mnuExit, [](Session& s, Menu) { s.exit(); }},
    {Menu::mnuAbout, [](Session& s, Menu) { s.prompts().inform(kAboutTitle, kAboutText, release()); }},
    {Menu::mnuHelpT, nullptr},  // never enabled
}};

// A level: a fixed one starts its board; Custom asks for its board first.
void level(Session& s, Menu item) {
  const Level& chosen = *levelFor(item);
  if (chosen.selected != nullptr) {
    s.game().chooseLevel(chosen);
  } else {
    s.form3().open();
  }
}

void tileSet(Session& s, Menu item) { s.game().mnuTile_Click(item); }

void option(Session& s, Menu item) { s.game().mnuOption_Click(item); }

}  // namespace

Command commandOf(Menu item) {
  if (levelFor(item) != nullptr) return &level;
  for (const TileSetChoice& choice : kTileSetChoices) {
    if (choice.item == item) return &tileSet;
  }
  for (const OptionItem& o : kOptionItems) {
    if (o.item == item) return &option;
  }
  for (const CommandRow& row : kCommands) {
    if (row.item == item) return row.command;
  }
  return nullptr;
}

}  // namespace klandor::kit
