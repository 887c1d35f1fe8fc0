#include "records/record_entry.h"

#include <utility>

#include "core/levels.h"
#include "records/latin1.h"

namespace klandor {

RecordEntry::RecordEntry(BestFile& file, Prompts& prompts, std::function<void()> showBestTimes)
    : file_(file), prompts_(prompts), showBestTimes_(std::move(showBestTimes)) {}

// A load saves the records that wait when it can; once none waits, the
// next failure is news to the player again.
void RecordEntry::scoreload(Module1& settings) {
  const bool waiting = file_.hasPending();
  settings.bestline = file_.load();
  if (waiting && !file_.hasPending()) warned_ = false;
}

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
  scoreload(settings);
  // A table that cannot be read has no time to beat: no false record.
  if (const WriteResult unreadable = file_.unreadable()) {
    if (!toldUnreadable_) prompts_.warn(kSaveFailedTitle, kUnreadableMessage, unreadable->message);
    toldUnreadable_ = true;
    return;
  }
  if (!beats(settings.bestline, levelnum, seconds)) return;
  const std::string name = prompts_.inputBox(kRecordPrompt, kRecordTitle, kDefaultName);
  report(file_.storeRecord(settings.bestline, levelnum, seconds, name));
  if (showBestTimes_) showBestTimes_();
}

void RecordEntry::resetScores(Module1& settings) { report(file_.reset(settings.bestline)); }

void RecordEntry::atExit() {
  if (ended_) return;
  ended_ = true;
  const WriteResult result = file_.savePending();
  if (!result || !file_.hasPending()) return;
  std::string detail = lostRecords(file_.pending());
  if (!result->noPlace) detail += "\n\n" + result->message;  // without a place the player was told why
  prompts_.warn(kSaveFailedTitle, kLostMessage, detail);
}

void RecordEntry::report(const WriteResult& result) {
  if (!result) {
    warned_ = false;
    return;
  }
  if (warned_) return;
  warned_ = true;
  prompts_.warn(kSaveFailedTitle, result->noPlace ? kNoPlaceMessage : kSaveFailedMessage, result->message);
}

std::string lostRecords(const std::vector<BestFile::Pending>& records) {
  std::string text;
  for (const BestFile::Pending& record : records) {
    if (!text.empty()) text += '\n';
    for (const Level& level : kLevels) {
      if (level.record == record.level) text += level.name;
    }
    text += ": " + std::to_string(record.seconds) + " s";
    const std::string name = utf8Text(record.name.substr(0, record.name.find_last_not_of(' ') + 1));
    if (!name.empty()) text += ", " + name;
  }
  return text;
}

}  // namespace klandor
