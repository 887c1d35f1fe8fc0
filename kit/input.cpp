#include "kit/input.h"

#include <algorithm>

namespace klandor::kit {

namespace {
constexpr int kKnownButtons = kLeft | kRight | kMiddle;

// The bit of an action key among the held keys; 0 for any other key.
int actionBit(Key key) {
  switch (key) {
    case Key::kSpace:
      return 1;
    case Key::kEnter:
      return 2;
    case Key::kF:
      return 4;
    default:
      return 0;
  }
}
}  // namespace

int actionButton(Key key) {
  if (key == Key::kSpace || key == Key::kEnter) return kLeft;
  return key == Key::kF ? kRight : 0;
}

bool chordsOn(const Options& options) { return options.chording || options.clickNumbersToChord; }

void Cursor::move(Key key, const Layout& layout) {
  const int last = layout.across() - 1, bottom = layout.down() - 1;
  switch (key) {
    case Key::kLeft:
      --x;
      break;
    case Key::kRight:
      ++x;
      break;
    case Key::kUp:
      --y;
      break;
    case Key::kDown:
      ++y;
      break;
    case Key::kHome:
      x = 0;
      break;
    case Key::kEnd:
      x = last;
      break;
    case Key::kPageUp:
      y = 0;
      break;
    case Key::kPageDown:
      y = bottom;
      break;
    default:
      return;
  }
  x = std::clamp(x, 0, last);
  y = std::clamp(y, 0, bottom);
  shown = true;
}

void Cursor::fit(const Layout& layout) {
  x = std::min(x, layout.across() - 1);
  y = std::min(y, layout.down() - 1);
}

bool Input::holding() {
  if (capturedLoads_ != game_.loads) capturing_ = false;
  return capturing_;
}

void Input::press(Element target, int button) {
  if (!holding()) {
    captured_ = target;
    capturedLoads_ = game_.loads;
    capturing_ = true;
    chord_ = chordSpent_ = false;
  }
  if (captured_.kind == Element::kBox) game_.Box_MouseDown(captured_.index, button);
  if (captured_.kind == Element::kSmile) game_.Smile_MouseDown();
  ++plays_;
}

void Input::makeChord(bool chord) {
  if (!chord || captured_.kind != Element::kBox || !game_.showsNumber(captured_.index)) return;
  chord_ = true;
  chordSpent_ = false;
}

void Input::release(int button) {
  const Element target = captured_;
  if (heldButtons_ == 0 && heldKeys_ == 0) capturing_ = false;
  if (chord_) {
    chord_ = false;
    chordSpent_ = true;
    game_.chord(target.index);
    ++plays_;
    return;
  }
  if (chordSpent_) return;
  if (target.kind == Element::kBox) game_.Box_MouseUp(target.index, button);
  if (target.kind == Element::kSmile) game_.Smile_MouseUp();
  ++plays_;
}

void Input::mouseDown(Element target, int button, int held) {
  if (button == 0) {
    heldButtons_ = held & kKnownButtons;
    return;
  }
  // The first button of a press: no capture can be on, unless the release
  // of the last one never came (a popup menu took it, for instance).
  if ((held & kKnownButtons & ~button) == 0 && heldKeys_ == 0) letGo();
  heldButtons_ = held & kKnownButtons;
  press(target, button);
  const bool both = (held & kChordButtons) == kChordButtons;
  makeChord(game_.m.options.chording && (both || button == kMiddle));
}

void Input::mouseUp(int button, int held) {
  heldButtons_ = held & kKnownButtons;
  if (button != 0 && holding()) release(button);
}

void Input::keyDown(Key key, int cell) {
  if (heldButtons_ == 0 && (heldKeys_ & ~actionBit(key)) == 0) letGo();  // as for the mouse
  heldKeys_ |= actionBit(key);
  press({Element::kBox, cell}, actionButton(key));
  makeChord(chordsOn(game_.m.options));
}

bool Input::keyUp(Key key) {
  const int bit = actionBit(key);
  if ((heldKeys_ & bit) == 0) return false;
  heldKeys_ &= ~bit;
  if (holding()) release(actionButton(key));
  return true;
}

bool Input::canChord(Element target) const {
  return chordsOn(game_.m.options) && target.kind == Element::kBox && game_.showsNumber(target.index);
}

bool Input::act(Element target, int button) {
  if (holding()) return false;
  const bool chord = button == kChordButtons;
  if (chord && !canChord(target)) return false;
  press(target, chord ? kMiddle : button);
  makeChord(chord);
  release(button);
  return true;
}

void Input::letGo() {
  heldButtons_ = 0;  // their releases are lost too
  if (!holding()) return;
  capturing_ = false;
  // The face's press has already begun a new game (the mines are to be
  // laid afresh); make the new board it promised rather than leave the old
  // one half reset.
  if (captured_.kind == Element::kSmile) {
    game_.Smile_MouseUp();
    ++plays_;
  }
}

void Input::focusLost() {
  if (heldKeys_ == 0) return;
  heldKeys_ = 0;
  if (heldButtons_ == 0) letGo();
}

}  // namespace klandor::kit
