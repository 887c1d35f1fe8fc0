#pragma once
// The best-times side of the game: scoreload at every load, the record
// entry after a win at a fixed level, the reset of the Best Times dialog,
// and the end of the run. A record that cannot be saved stays pending for
// the rest of the run (see BestFile), tried again at every load; the
// player is told when a save fails, once until a save goes through again,
// and at the end of the run which records are lost when they still cannot
// be saved. While the file exists but cannot be read, a win sets no record:
// the player is told so at the first such win of the run.

#include <functional>
#include <optional>
#include <string>
#include <vector>

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
  // The end of the run (Exit, or the main window closed), before the
  // program ends: the records still pending are saved, waiting for the lock
  // as a record does; those that still cannot be are named to the player.
  // Once in a run; later calls do nothing.
  void atExit();

 private:
  void report(const WriteResult& result);

  BestFile& file_;
  Prompts& prompts_;
  std::function<void()> showBestTimes_;
  bool warned_ = false;          // of the last failure; a save that goes through ends it
  bool toldUnreadable_ = false;  // that no record can be set
  bool ended_ = false;
  std::optional<unsigned> enteredLoad_;  // the board whose win was entered last
};

// The records that are lost, one a line, as the player reads them: the
// level's name (as data, in English), the time with the symbol of the
// second, and the holder's name when there is one ("Expert: 98 s, Ann").
std::string lostRecords(const std::vector<BestFile::Pending>& records);

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
// "%1" is the system's reason.
inline constexpr char kUnreadableMessage[] = KLANDOR_TR_NOOP(
    "Prompts", "The best times could not be read, so no new record can be set until they can.\n\n%1");
// "%1" is the lost records, one a line (lostRecords), and, after a blank
// line, the system's reason.
inline constexpr char kLostMessage[] =
    KLANDOR_TR_NOOP("Prompts", "These best times could not be saved and are lost when the game closes:\n\n%1");

}  // namespace klandor
