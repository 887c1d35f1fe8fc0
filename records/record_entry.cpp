#include "records/record_entry.h"

#include <utility>

namespace klandor {

RecordEntry::RecordEntry(BestFile& file, Prompts& prompts, std::function<void()> showBestTimes)
    : file_(file), prompts_(prompts), showBestTimes_(std::move(showBestTimes)) {}

void RecordEntry::scoreload(Module1& settings) { settings.bestline = file_.load(); }

void RecordEntry::recordEntry(Game& game) {
  // wincheck runs the win steps again for every later removebox of the
  // winning cascade; a board is won once, and a board is one load.
  if (game.loads == enteredLoad_) return;
  enteredLoad_ = game.loads;
  recordEntry(game.m, game.b.levelnum, game.b.seconds);
}

void RecordEntry::recordEntry(Module1& settings, int levelnum, int seconds) {
  if (levelnum < 1 || levelnum > 3) return;
  // Another window may have stored a record since this board began.
  settings.bestline = file_.load();
  if (!beats(settings.bestline, levelnum, seconds)) return;
  const std::string name = prompts_.inputBox(kRecordPrompt, kRecordTitle, kDefaultName);
  report(file_.storeRecord(settings.bestline, levelnum, seconds, name));
  if (showBestTimes_) showBestTimes_();
}

void RecordEntry::resetScores(Module1& settings) { report(file_.reset(settings.bestline)); }

void RecordEntry::report(const WriteResult& result) {
  if (!result || warned_) return;
  warned_ = true;
  prompts_.warn(kSaveFailedTitle, result->noPlace ? kNoPlaceMessage : kSaveFailedMessage, result->message);
}

}  // namespace klandor
