#pragma once
// One run of the game: the settings, the board, the best-times file, the
// main window and its two dialogs, wired together. The dialogs are made at
// their first opening and only hidden afterwards.

#include <filesystem>
#include <functional>
#include <memory>

#include "core/game.h"
#include "qt/dialogs/form2.h"
#include "qt/dialogs/form3.h"
#include "records/best_file.h"
#include "records/prompts.h"
#include "records/record_entry.h"
#include "qt/ui/form1.h"

namespace klandor::ui {

// The player's questions, each asked only once the main window shows what
// the game holds: a question asked in the middle of a player's action (the
// record prompt, a failed save) would otherwise stand over the window as it
// was before that action.
class SyncedPrompts final : public Prompts {
 public:
  SyncedPrompts(Prompts& prompts, std::function<void()> syncWindow);

  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultReply) override;
  bool confirm(const std::string& message, const std::string& title) override;
  void warn(const std::string& title, const std::string& message, const std::string& detail) override;

 private:
  Prompts& prompts_;
  std::function<void()> syncWindow_;
};

class Session {
 public:
  // bestTimes is the best-times file (empty: none); prompts asks the
  // player the modal questions.
  Session(FilePath bestTimes, Prompts& prompts, SeedClock clock = systemSeedClock(),
          PlatformFiles& files = platformFiles());

  Game& game() { return game_; }
  const Module1& settings() const { return settings_; }
  Form1& form1() { return *form1_; }
  Form2* form2() const { return form2_.get(); }  // null until first opened
  Form3* form3() const { return form3_.get(); }

  // The Best Times and Custom commands.
  void mnuBest_Click();
  void mnuCustom_Click();

 private:
  void syncWindow();

  Module1 settings_;
  StdRandom random_;
  SyncedPrompts prompts_;
  BestFile file_;
  RecordEntry records_;
  Game game_;
  std::unique_ptr<Form1> form1_;
  std::unique_ptr<Form2> form2_;
  std::unique_ptr<Form3> form3_;
};

}  // namespace klandor::ui
