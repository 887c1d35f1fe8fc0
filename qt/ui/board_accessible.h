#pragma once
// The board as an assistive tool (a screen reader) sees it, through Qt's
// accessibility framework: a pane holding the mine counter, the face button,
// the clock and the minefield, a table of cells each named by what it shows.
// Names are read from the game's picture numbers; actions go through the
// board's own input. Nothing here runs unless a tool asks or listens.

#include "kit/draw_state.h"

namespace klandor::ui {

class BoardView;

namespace accessible {

// Lets Qt make the board's accessible interface; once per run is enough.
void install();

// The reports below tell a listening tool what changed; call them only
// while QAccessible::isActive().

// What one sync of the board changed: a new layout (every cell, the counter,
// the clock and the face anew), cell names, the counter, the clock, the
// game's state, the cursor.
void report(BoardView& view, const kit::Changes& changes);
// The focus on the cursor's cell, while the board has the keyboard focus.
void reportCursor(BoardView& view);

}  // namespace accessible
}  // namespace klandor::ui
