#include "records/record_entry.h"

#include <utility>

namespace klandor {

RecordEntry::RecordEntry(BestFile& file, Prompts& prompts, std::function<void()> showBestTimes)
    : file_(file), prompts_(prompts), showBestTimes_(std::move(showBestTimes)) {}

void RecordEntry::scoreload(Module1& settings) { settings.bestline = file_.load(); }

void RecordEntry::recordEntry(Game& game) { recordEntry(game.m, game.b.levelnum, game.b.seconds); }

void RecordEntry::recordEntry(Module1& settings, int levelnum, int seconds) {
  const bool fixedLevel = levelnum >= 1 && levelnum <= 3;
  if (!fixedLevel || !(seconds < storedTime(settings.bestline, levelnum))) return;
  const std::string name = prompts_.inputBox(kRecordPrompt, kRecordTitle, kDefaultName);
  report(file_.storeRecord(settings.bestline, levelnum, seconds, name));
  if (showBestTimes_) showBestTimes_();
}

void RecordEntry::resetScores(Module1& settings) { report(file_.reset(settings.bestline)); }

void RecordEntry::report(const WriteResult& result) {
  if (!result || warned_) return;
  warned_ = true;
  prompts_.warn(kSaveFailedTitle, "The best times could not be saved.\n\n" + result->message +
                                      "\n\nThey are kept until the game is closed.");
}

}  // namespace klandor
