#pragma once
// The board as an assistive tool (a screen reader) sees it, through Qt's
// accessibility framework: a pane holding the mine counter, the face button,
// the clock and the minefield, a table of cells each named by what it shows.
// Names are read from the game's picture numbers; actions go through the
// board's own input. Nothing here runs unless a tool asks or listens.

namespace klandor::ui {

class BoardView;

namespace accessible {

// Lets Qt make the board's accessible interface; once per run is enough.
void install();

// The reports below tell a listening tool what changed; call them only
// while QAccessible::isActive().

// What one sync of the board changed, reported once it is all known: cell
// names at once, the counter, the clock and the game's state on send().
class ChangeReport {
 public:
  explicit ChangeReport(BoardView& view) : view_(view) {}
  // Box(index) showed picture `was` and shows another now.
  void box(int index, int was);
  void face() { face_ = true; }
  void send();

 private:
  BoardView& view_;
  bool counter_ = false, clock_ = false, face_ = false;
};

// A new layout: every cell, the counter, the clock and the face anew.
void reportNewBoard(BoardView& view);
// The focus on the cursor's cell, while the board has the keyboard focus.
void reportCursor(BoardView& view);

}  // namespace accessible
}  // namespace klandor::ui
