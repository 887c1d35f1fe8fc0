#include "kit/front.h"

namespace klandor::kit {

Front::Front(Game& game) : game_(game), input_(game), draw_(game) {}

Outcome Front::mouseDown(int x, int y, int button, int held) {
  const unsigned plays = input_.plays();
  cursor_.shown = false;
  input_.mouseDown(layout().elementAt(x, y, draw_.smileSize()), button, held);
  return played(true, plays);
}

Outcome Front::mouseUp(int button, int held) {
  const unsigned plays = input_.plays();
  input_.mouseUp(button, held);
  return played(true, plays);
}

Outcome Front::keyDown(Key key, bool autoRepeat) {
  if (actionButton(key) == 0) {
    cursor_.move(key, layout());
    cursorMoved_ = true;
    return {true, false};
  }
  if (autoRepeat) return {true, false};  // one action per key press
  const unsigned plays = input_.plays();
  cursor_.shown = true;
  input_.keyDown(key, cursorCell());
  return played(true, plays);
}

Outcome Front::keyUp(Key key, bool autoRepeat) {
  const unsigned plays = input_.plays();
  // A key whose press the board did not take is not the board's to release.
  const bool taken = !autoRepeat && input_.keyUp(key);
  return played(taken, plays);
}

Outcome Front::act(Element target, int button) {
  const unsigned plays = input_.plays();
  return played(input_.act(target, button), plays);
}

Outcome Front::chord(int cell) { return act({Element::kBox, cell}, kChordButtons); }

Outcome Front::letGo() {
  const unsigned plays = input_.plays();
  input_.letGo();
  return played(input_.plays() != plays, plays);
}

Outcome Front::focusLost() {
  const unsigned plays = input_.plays();
  input_.focusLost();
  return played(input_.plays() != plays, plays);
}

Changes Front::sync() {
  Changes changes = draw_.sync(cursor_);
  changes.cursor = cursorMoved_;
  cursorMoved_ = false;
  return changes;
}

Phrase Front::cellWords(int index) const {
  return cellName(game_.box[static_cast<std::size_t>(index)] - game_.m.tileset);
}

}  // namespace klandor::kit
