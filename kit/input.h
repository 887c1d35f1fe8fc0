#pragma once
// The board's input rules, whatever the toolkit: which element a press
// captures and when the capture ends, the action keys and their repeat rule,
// and the keyboard cursor's moves. Presses and releases reach the game
// through its own handlers (Box_MouseDown and Box_MouseUp, the face's).

#include "core/game.h"
#include "kit/layout.h"

namespace klandor::kit {

// The keys the board takes. A front end forwards a key's press only without
// Ctrl, Alt or Meta (those are the menus' keys), its release always.
enum class Key { kLeft, kRight, kUp, kDown, kHome, kEnd, kPageUp, kPageDown, kSpace, kEnter, kF };

// The mouse button an action key acts as: Space and Enter the left button,
// F the right one; 0 for the keys that move the cursor.
int actionButton(Key key);

// Both buttons at once: as an assistive tool's action, a chord.
inline constexpr int kChordButtons = kLeft | kRight;

// Whether the options make any chord: with the mouse (Chording) or with a
// left release on a number (Click Numbers to Chord). Either lets the action
// keys and assistive tools chord a number.
bool chordsOn(const Options& options);

// The keyboard cursor: a column and a row, and whether it is drawn, which it
// is once a key has moved it or acted, until the next mouse press.
struct Cursor {
  int x = 0, y = 0;
  bool shown = false;

  int cell(const Layout& layout) const { return cellIndex(layout.across(), x, y); }
  // A cursor key's move; the cursor stops at the board's edges.
  void move(Key key, const Layout& layout);
  // On a new board the cursor keeps its cell, brought inside a smaller one.
  void fit(const Layout& layout);
  bool operator==(const Cursor&) const = default;
};

// The capture. The element that took the first press keeps every press and
// release until the last button or action key is up, or until the board can
// no longer get that release: a modal box over the window, the window
// disabled or hidden, a new board; a key's release also no longer comes once
// the board has lost the focus. A press with no other button or action key
// held ends any capture first: the release of the last one was lost, to a
// popup menu for instance. Buttons are the game's numbers (kLeft,
// kRight, kMiddle); `held` is every button down after the event, or-ed.
//
// The chord. A press on a captured number (Game::showsNumber) makes it a
// chord when Chording is on and it leaves the left and the right button both
// down, or is the middle button's; and, with either chord option on, when it
// is an action key's. The capture's first release after that is the chord's
// (Game::chord), and no release of the capture acts on its own until a press
// makes a chord again or the capture ends: the left release does not also
// uncover, the right one does not also flag. Everywhere else the buttons and
// keys press and release as they always have.
class Input {
 public:
  explicit Input(Game& game) : game_(game) {}

  // Whether a capture is on. A new board ends it: its cells are not the ones
  // pressed.
  bool holding();

  // A button the game has no number for is 0: it only changes `held`.
  void mouseDown(Element target, int button, int held);
  void mouseUp(int button, int held);
  // An action key pressed on `cell`, and released: false when the board did
  // not take its press, so that the release is not the board's either.
  void keyDown(Key key, int cell);
  bool keyUp(Key key);
  // An assistive tool's click on the element, a press and a release; false
  // (and nothing happens) while a press on the board waits for its release.
  // With kChordButtons it is a chord, on a number while either chord option
  // is on (canChord); anywhere else it is false and nothing happens.
  bool act(Element target, int button);
  // Whether an assistive tool's chord can act on the element.
  bool canChord(Element target) const;

  // The release the capture waits for can no longer come.
  void letGo();
  // The keys' releases will go elsewhere: a capture held by keys alone ends.
  void focusLost();

  // Counts the presses and releases handed to the game.
  unsigned plays() const { return plays_; }

 private:
  // A press on `target`, or on the captured element while a capture is on;
  // the release goes to the captured element.
  void press(Element target, int button);
  void release(int button);
  // After a press: makes the capture a chord when `chord` and its element is
  // a number.
  void makeChord(bool chord);

  Game& game_;
  Element captured_;
  bool capturing_ = false;
  unsigned capturedLoads_ = 0;  // the board the capture was taken on
  int heldButtons_ = 0;
  int heldKeys_ = 0;  // one bit per action key
  bool chord_ = false;       // a chord waits for its release
  bool chordSpent_ = false;  // the chord has acted: the capture's releases do nothing
  unsigned plays_ = 0;
};

}  // namespace klandor::kit
