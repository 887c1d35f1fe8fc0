#pragma once
// The best-times side of the game: scoreload at every load, the record
// entry after a win at a fixed level, and the reset of the Best Times
// dialog. A record that cannot be saved stays pending for the rest of the
// run (see BestFile), and the player is told the first time a save fails.

#include <functional>
#include <optional>

#include "core/game.h"
#include "records/best_file.h"
#include "records/prompts.h"

namespace klandor {

class RecordEntry final : public Records {
 public:
  // showBestTimes runs the Best Times command after a new record.
  RecordEntry(BestFile& file, Prompts& prompts, std::function<void()> showBestTimes = {});

  void scoreload(Module1& settings) override;
  void recordEntry(Game& game) override;
  // The record test and entry for a board of level levelnum won in seconds,
  // against the line the file holds now.
  void recordEntry(Module1& settings, int levelnum, int seconds);
  // The Reset of the Best Times dialog: the default line, in the file and
  // in bestline.
  void resetScores(Module1& settings);

 private:
  void report(const WriteResult& result);

  BestFile& file_;
  Prompts& prompts_;
  std::function<void()> showBestTimes_;
  bool warned_ = false;
  std::optional<unsigned> enteredLoad_;  // the board whose win was entered last
};

inline constexpr char kRecordPrompt[] =
    KLANDOR_TR_NOOP("Prompts", "You have the fastest time for this level. Please type your name:");
inline constexpr char kRecordTitle[] = KLANDOR_TR_NOOP("Prompts", "Congratulations");
inline constexpr char kDefaultName[] = "MrNobody";  // a name, not translated
inline constexpr char kSaveFailedTitle[] = KLANDOR_TR_NOOP("Prompts", "Best Times");
// "%1" is the system's reason.
inline constexpr char kSaveFailedMessage[] =
    KLANDOR_TR_NOOP("Prompts", "The best times could not be saved.\n\n%1\n\nThey are kept until the game is closed.");
// "%1" is the variable of the environment that names no folder (HOME).
inline constexpr char kNoPlaceMessage[] = KLANDOR_TR_NOOP(
    "Prompts", "The best times could not be saved: no folder for them is set (%1).\n\nThey are kept until the game is closed.");

}  // namespace klandor
