#pragma once
// The main window's board as every front end shares it: the layout, the
// input rules and the draw state, over the game. A front end forwards its
// toolkit's events here, syncs after them and paints what the scene holds;
// the kit calls the game's handlers and decides everything else.

#include "core/game.h"
#include "kit/draw_state.h"
#include "kit/input.h"
#include "kit/layout.h"
#include "kit/words.h"

namespace klandor::kit {

// What a forwarded event came to. A key the board did not take is the
// window's (the menus' keys, for instance). After an event that `played`
// (handed the game a press or release) the window brings itself up to the
// game, menus and clock included; after one merely taken, the board's sync
// is enough.
struct Outcome {
  bool taken = false;
  bool played = false;
};

class Front {
 public:
  explicit Front(Game& game);

  const Game& game() const { return game_; }
  // The layout as drawn: a new board's comes with the sync after its load.
  const Layout& layout() const { return draw_.layout(); }
  const Cursor& cursor() const { return cursor_; }
  int cursorCell() const { return cursor_.cell(layout()); }

  // The mouse, in pixels at scale 1: `button` is the game's number for the
  // button (kLeft, kRight, kMiddle; 0 for one it has no number for), `held`
  // every button down after the event, or-ed. Any press hides the cursor.
  // With Chording on, the left and the right button together, or the
  // middle one, chord a number (see Input).
  Outcome mouseDown(int x, int y, int button, int held);
  Outcome mouseUp(int button, int held);
  // The board's keys; `autoRepeat` when the keyboard repeats a held key.
  // The cursor keys move the cursor, repeats included; an action key acts
  // once per press, on the cursor's cell, and shows the cursor. On a number,
  // with either chord option on, every action key chords (see Input).
  Outcome keyDown(Key key, bool autoRepeat);
  Outcome keyUp(Key key, bool autoRepeat);
  // An assistive tool's click on an element. The front end forwards it only
  // while the window takes input. With kChordButtons (both buttons) it is a
  // chord, as chord() below.
  Outcome act(Element target, int button);
  // An assistive tool's "Chord" on a cell: a press and the chord's release
  // (Game::chord), with the face, the clock and the counter as the left
  // releases it stands for. Offered on a number while either chord option is
  // on (canChord); anywhere else, or while a press on the board waits for
  // its release, nothing happens and the outcome is not taken.
  Outcome chord(int cell);
  bool canChord(int cell) const { return input_.canChord({Element::kBox, cell}); }
  // The release a capture waits for can no longer come: a modal box opened
  // over the window, the window disabled or hidden. (A new board ends the
  // capture by itself.)
  Outcome letGo();
  // The board lost the keyboard focus.
  Outcome focusLost();

  // What changed since the last sync; the first one lays the board out.
  Changes sync();
  // Every picture on `area`, back to front, as of the last sync.
  void scene(const Rect& area, const Draw& draw) const { draw_.scene(area, draw); }
  // The cursor's cell as of the last sync; empty while it is hidden.
  Rect cursorRect() const { return draw_.cursorRect(); }
  // What a cell shows now, in words.
  Phrase cellWords(int index) const;

 private:
  Outcome played(bool taken, unsigned playsBefore) const { return {taken, input_.plays() != playsBefore}; }

  Game& game_;
  Input input_;
  Cursor cursor_;
  DrawState draw_;
  bool cursorMoved_ = false;
};

}  // namespace klandor::kit
