#pragma once
// One run of the game, whatever the toolkit: the settings, the board, the
// best-times file and the record entry, the dialogs, and what each item of
// the menu bar does, wired together. A front end makes one session, makes
// its main window over the session's game, attaches that window as the
// session's Shell, and forwards every menu item it is given here.

#include <functional>

#include <cstdint>
#include <set>
#include <utility>
#include <vector>

#include "core/game.h"
#include "core/menu.h"
#include "kit/dialogs.h"
#include "kit/statistics_dialog.h"
#include "kit/text.h"
#include "records/best_file.h"
#include "records/prompts.h"
#include "records/record_entry.h"
#include "records/settings_file.h"
#include "records/statistics_file.h"

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
  void inform(const std::string& title, const std::string& message, const std::string& detail) override;

 private:
  Prompts& prompts_;
  std::function<void()> syncWindows_;
};

// Where a run keeps what outlasts it: the best-times file (the statistics
// file lives beside it) and the settings file; an empty name, none.
struct Places {
  FilePath bestTimes;
  FilePath settings;
};

// The clocks of the statistics: milliseconds that only ever go forward, and
// the local date and time.
struct StatisticsClocks {
  std::function<std::int64_t()> milliseconds;
  std::function<LocalDateTime()> now;
};
StatisticsClocks systemClocks();

class Session final : private Records {
 public:
  // places are the game's files; prompts asks the player the modal
  // questions; random lays the mines, reseeded from clock at every load (by
  // default the game's own generator). The settings file, when there is
  // one, gives the options and, with Remember Level and Look on, the first
  // board's level and look.
  Session(Places places, Prompts& prompts, SeedClock clock = systemSeedClock(),
          PlatformFiles& files = platformFiles(), Random* random = nullptr,
          StatisticsClocks clocks = systemClocks());
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
  Form4& form4() { return form4_; }

  // A menu item chosen, by the mouse, its access key or its shortcut: what
  // it does, then every window brought up to the game.
  void choose(Menu item);
  // After a command changed the game: the settings file follows the
  // options (and, with Remember Level and Look on, the level and look),
  // and every window the game.
  void commandDone();
  // Exit, or the main window closed through its frame: a game on ends
  // abandoned.
  void exit();

  // Brings the main window and an open dialog up to the game.
  void syncWindows();

  // The finished games the Statistics dialog counts: with Keep Statistics
  // on the file's rows, read afresh, and those not yet written; otherwise
  // this run's games.
  std::vector<GameRow> statisticsRows() const;
  // Reset Statistics: with Keep Statistics on the file is put aside; this
  // run's games are forgotten either way.
  void resetStatistics();

 private:
  // The game's records side: the best times, then the statistics.
  void scoreload(Module1& settings) override { records_.scoreload(settings); }
  void recordEntry(Game& game) override { records_.recordEntry(game); }
  void gameBegun(const Game& game) override;
  void gameEnded(const Game& game, GameEnd end) override;

  // The settings as the file would hold them now.
  Settings current() const;

  SettingsFile settingsFile_;
  Settings saved_;  // as read at the start or last written
  Module1 settings_;
  StdRandom ownRandom_;
  SyncedPrompts prompts_;
  BestFile file_;
  RecordEntry records_;
  StatisticsFile statistics_;
  StatisticsClocks clocks_;
  std::int64_t begun_ = 0;               // when this game's first release came
  std::vector<GameRow> runRows_;          // this run's games
  std::set<std::pair<int, int>> told_;   // board sizes told of an ordinary board
  bool settingsWarned_ = false;
  Game game_;
  Form2 form2_;
  Form3 form3_;
  Form4 form4_;
  Shell* shell_ = nullptr;
};

inline constexpr char kGuessFreeTitle[] = KLANDOR_TR_NOOP("Prompts", "Guess-Free Boards");
inline constexpr char kGuessFreeGaveUp[] = KLANDOR_TR_NOOP(
    "Prompts", "No board of this size that logic alone solves was found in time, so this board may ask for a guess.");
inline constexpr char kSettingsTitle[] = KLANDOR_TR_NOOP("Prompts", "Options");
// "%1" is the system's reason.
inline constexpr char kSettingsFailed[] =
    KLANDOR_TR_NOOP("Prompts", "The options could not be saved.\n\n%1\n\nThey last until the game is closed.");

// The game's release, as the About box names it: "1.1".
std::string release();

// What an item of the menu bar does; null for an item that only opens its
// menu, a separator, or one that does nothing.
using Command = void (*)(Session& session, Menu item);
Command commandOf(Menu item);

}  // namespace klandor::kit
