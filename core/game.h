#pragma once
// The main window's game as plain data and routines: the settings, the board,
// and everything the player sees (the picture of every element, the face,
// whether the clock runs, the menu check marks). A window only forwards
// events here and paints what this holds.

#include <array>
#include <cstdint>

#include "core/board.h"
#include "core/guess_free.h"
#include "core/menu.h"
#include "core/module1.h"
#include "core/random.h"

namespace klandor {

class Game;
struct Level;

// How a game ended: a board counts as a game once its mines are laid, and
// one left for a new board before it was won or lost is abandoned.
enum class GameEnd { kWon, kLost, kAbandoned };

// The side of the game that keeps what outlasts a board: the best times,
// and whoever counts the games. The default keeps nothing.
class Records {
 public:
  virtual ~Records() = default;
  // Last step of every load: read the best-times line into bestline.
  virtual void scoreload(Module1& /*settings*/) {}
  // A game at a fixed level has just been won.
  virtual void recordEntry(Game& /*game*/) {}
  // The first release laid the mines: a game begins.
  virtual void gameBegun(const Game& /*game*/) {}
  // The game ended, the board still as it ended.
  virtual void gameEnded(const Game& /*game*/, GameEnd /*end*/) {}
};

class Game {
 public:
  // Runs the first load, as the start of the program does.
  Game(Module1& settings, Random& random, SeedClock clock, Records* records = nullptr);

  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  Module1& m;
  Board b;

  // What the player sees. box holds the number of the picture each element
  // shows, the tile-set offset included; element 0 is the hidden template.
  std::array<int, kMaxElements> box{};
  int smile = 0;
  bool secondEnabled = false;
  MenuState menu;
  // Counts the loads of the main window; a change means a fresh layout.
  unsigned loads = 0;
  // Counts the starts of the clock, so a window can restart its timer.
  unsigned secondStarts = 0;
  // Counts the boards that were to be guess-free but got the ordinary laying
  // (b.guessFreeGaveUp), so a window can tell the player, once per board
  // size.
  unsigned guessFreeGiveUps = 0;
  // How long the search for a guess-free board may take: its work, and at
  // most 250 ms by its clock. Tests hand in a clock of their own.
  GuessFreeLimits guessFreeLimits;

  int cells() const { return m.across * m.down; }
  int elements() const { return cells() + kDigitCells; }

  // Load sequence and rebuild.
  void load();
  void rebuild();
  void setlevel();
  void setvars();
  void imageload();
  void boxload(int index, int picture);

  // Mines. mineset spares the cell `exclude`. With Guess-Free Boards on and
  // `exclude` a cell, it lays a board whose release there opens an area and
  // which logic alone then solves (core/guess_free.h); when the search gives
  // up, the ordinary laying, with b.guessFreeGaveUp set.
  //
  // With Guess-Free Boards on, a board's mines wait for its first left
  // release on a cell without a flag, the release that opens the board:
  // right and middle releases, and releases on a flag or on the digits,
  // lay nothing before it. With the option off, the first release of any
  // kind lays them.
  void mineset(int exclude);
  void minecheck();

  // The clock.
  void Second_Timer();

  // Commands that start a new board.
  void mnuNew_Click();
  void mnuBeginner_Click();
  void mnuIntermediate_Click();
  void mnuHard_Click();
  // A level's item: that level, on a new board. Custom takes the board
  // the settings hold.
  void chooseLevel(const Level& level);
  void mnuColor_Click();
  // An item of the tile-set submenu: that set, on a new board as after Color.
  void mnuTile_Click(Menu item);
  // The Custom Field's OK, with values already brought into range.
  void customFieldOk(int across, int down, int totalmines);
  void Smile_MouseDown();
  void Smile_MouseUp();

  // An item of the Options menu: that option on or off, at once, on the
  // board as it is.
  void mnuOption_Click(Menu item);

  // Cell play.
  void mnuMarks_Click();
  void Box_MouseDown(int index, int button);
  void Box_MouseUp(int index, int button);
  void removebox(int c);
  void check(int c);
  void wincheck();
  // An uncovered cell showing how many mines lie around it: where a chord
  // can act.
  bool showsNumber(int index) const;
  // The release of a chord on the element: a release as any button's that
  // does nothing there (the face comes back); then, in play, on a number
  // whose flags around match its count, the left release on every covered
  // neighbour without a flag ("?" marks included), in reading order, so
  // that cascades, the loss and the win come as they would for those
  // releases. A wrong flag leaves a mine among them: the game is lost.
  void chord(int index);

  // Hands in the best-times side; nullptr keeps no records.
  void setRecords(Records* records);

  // A game is on: its mines are laid, and it is neither won nor lost.
  bool inGame() const { return inGame_; }
  // The game on is given up (the program ends): it ends abandoned.
  void leaveBoard();

 private:
  void startClock();
  void stopClock();
  void showCounter();
  void showClock();
  void lose(int index);
  void endGame(GameEnd end);
  // The chord's uncovering on a number, when the flags shown around it
  // match its count.
  void uncoverAround(int index);
  void newBoard();

  Random& random_;
  SeedClock clock_;
  Records* records_;
  bool inGame_ = false;
};

}  // namespace klandor
