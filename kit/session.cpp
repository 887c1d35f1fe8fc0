#include "kit/session.h"

#include <array>

#include "core/levels.h"
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

void SyncedPrompts::inform(const std::string& title, const std::string& message) {
  syncWindows_();
  prompts_.inform(title, message);
}

// The dialog also opens after a record, in the middle of the winning
// release: it too stands over a window that shows the won board.
Session::Session(FilePath bestTimes, Prompts& prompts, SeedClock clock, PlatformFiles& files,
                 Random* random)
    : prompts_(prompts, [this] { syncWindows(); }),
      file_(std::move(bestTimes), files),
      records_(file_, prompts_, [this] { form2_.open(); }),
      game_(settings_, random != nullptr ? *random : ownRandom_, std::move(clock), &records_),
      form2_(*this),
      form3_(*this) {}

void Session::syncWindows() {
  if (shell_ != nullptr) shell_->syncWindow();
  form2_.sync();
  form3_.sync();
}

void Session::choose(Menu item) {
  if (const Command command = commandOf(item)) command(*this, item);
  syncWindows();
}

void Session::exit() {
  records_.atExit();
  if (shell_ != nullptr) shell_->quit();
}

namespace {

void play(Session& s, void (Game::*handler)()) { (s.game().*handler)(); }

struct CommandRow {
  Menu item;
  Command command;
};

// The items with a command of their own; the levels' items and the tile
// sets' follow their tables.
constexpr std::array<CommandRow, 7> kCommands = {{
    {Menu::mnuNew, [](Session& s, Menu) { play(s, &Game::mnuNew_Click); }},
    {Menu::mnuMarks, [](Session& s, Menu) { play(s, &Game::mnuMarks_Click); }},
    {Menu::mnuColor, [](Session& s, Menu) { play(s, &Game::mnuColor_Click); }},
    {Menu::mnuBest, [](Session& s, Menu) { s.form2().open(); }},
    {Menu::mnuExit, [](Session& s, Menu) { s.exit(); }},
    {Menu::mnuAbout, [](Session& s, Menu) { s.prompts().inform(kAboutTitle, kAboutText); }},
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
