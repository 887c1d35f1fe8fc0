#pragma once
// One run of the game, whatever the toolkit: the settings, the board, the
// best-times file and the record entry, the dialogs, and what each item of
// the menu bar does, wired together. A front end makes one session, makes
// its main window over the session's game, attaches that window as the
// session's Shell, and forwards every menu item it is given here.

#include <functional>

#include "core/game.h"
#include "core/menu.h"
#include "kit/dialogs.h"
#include "kit/text.h"
#include "records/best_file.h"
#include "records/prompts.h"
#include "records/record_entry.h"

namespace klandor::kit {

// What the session asks of a front end's main window.
class Shell {
 public:
  virtual ~Shell() = default;
  // Brings the window up to the game: the board, the menus, the timer and
  // the window's size.
  virtual void syncWindow() = 0;
  // A window for the dialog, made at its first opening and kept, hidden
  // between openings, for the rest of the run.
  virtual DialogView& makeDialog(Dialog& dialog) = 0;
  // Ends the program.
  virtual void quit() = 0;
};

// The player's questions, each asked only once the windows show what the
// game holds: a question asked in the middle of a player's action (the
// record prompt, a failed save) would otherwise stand over the window as it
// was before that action.
class SyncedPrompts final : public Prompts {
 public:
  SyncedPrompts(Prompts& prompts, std::function<void()> syncWindows)
      : prompts_(prompts), syncWindows_(std::move(syncWindows)) {}

  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultReply) override;
  bool confirm(const std::string& message, const std::string& title) override;
  void warn(const std::string& title, const std::string& message, const std::string& detail) override;
  void inform(const std::string& title, const std::string& message) override;

 private:
  Prompts& prompts_;
  std::function<void()> syncWindows_;
};

class Session {
 public:
  // bestTimes is the best-times file (empty: none); prompts asks the
  // player the modal questions; random lays the mines, reseeded from clock
  // at every load (by default the game's own generator).
  Session(FilePath bestTimes, Prompts& prompts, SeedClock clock = systemSeedClock(),
          PlatformFiles& files = platformFiles(), Random* random = nullptr);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // The main window, once it is made (null again before it goes). Until
  // then the session has nothing to bring up to the game.
  void attach(Shell* shell) { shell_ = shell; }
  Shell* shell() const { return shell_; }

  Game& game() { return game_; }
  const Game& game() const { return game_; }
  Module1& settings() { return settings_; }
  Prompts& prompts() { return prompts_; }
  RecordEntry& records() { return records_; }
  Form2& form2() { return form2_; }
  Form3& form3() { return form3_; }

  // A menu item chosen, by the mouse, its access key or its shortcut: what
  // it does, then every window brought up to the game.
  void choose(Menu item);
  // Exit, or the main window closed through its frame.
  void exit();

  // Brings the main window and an open dialog up to the game.
  void syncWindows();

 private:
  Module1 settings_;
  StdRandom ownRandom_;
  SyncedPrompts prompts_;
  BestFile file_;
  RecordEntry records_;
  Game game_;
  Form2 form2_;
  Form3 form3_;
  Shell* shell_ = nullptr;
};

// What an item of the menu bar does; null for an item that only opens its
// menu, a separator, or one that does nothing.
using Command = void (*)(Session& session, Menu item);
Command commandOf(Menu item);

}  // namespace klandor::kit
