// The mouse on the board: presses and releases on cells and digit cells.
#include "core/game.h"
#include "resources/picture_numbers.h"

namespace klandor {

void Game::mnuMarks_Click() { menu.setChecked(Menu::mnuMarks, !menu.checked(Menu::mnuMarks)); }

void Game::Box_MouseDown(int index, int /*button*/) {
  if (b.playing) smile = pic::kSurprised;
  if (index >= 1 && index <= cells() && !b.uncovered[index] && b.mark[index] == kQuestionMark)
    boxload(index, pic::kQuestionPressed);
}

void Game::Box_MouseUp(int index, int button) {
  if (index < 1 || index > elements()) return;
  // A guess-free board waits for the release that opens it.
  const bool opensBoard = button == kLeft && index <= cells() && b.mark[index] != kFlagMark;
  if (b.minesplaced == kFalse && (opensBoard || !m.options.guessFree)) {
    mineset(index);
    minecheck();
    b.minesplaced = kTrue;
    if (b.playing) {
      inGame_ = true;
      records_->gameBegun(*this);
    }
  }
  if (!b.won) smile = pic::kSmile;
  if (!b.playing || index > cells()) return;
  if (button == kLeft && !secondEnabled) startClock();
  if (b.uncovered[index]) {
    if (button == kLeft && m.options.clickNumbersToChord) uncoverAround(index);
    return;
  }

  if (button == kLeft && b.mark[index] != kFlagMark) {
    if (b.ismine[index]) {
      lose(index);
      return;
    }
    boxload(index, pic::kUncovered + b.near[index]);
    if (b.near[index] == 0) removebox(index);
    b.uncover(index);
    wincheck();
  } else if (button == kRight) {
    switch (b.mark[index]) {
      case kNoMark:
        boxload(index, pic::kFlag);
        b.mark[index] = kFlagMark;
        b.minesleft -= 1;
        showCounter();
        break;
      case kFlagMark:
        if (menu.checked(Menu::mnuMarks)) {
          boxload(index, pic::kQuestion);
          b.mark[index] = kQuestionMark;
        } else {
          boxload(index, pic::kCovered);
          b.mark[index] = kNoMark;
        }
        b.minesleft += 1;
        showCounter();
        break;
      default:  // a "?" never counted as a flag
        boxload(index, pic::kCovered);
        b.mark[index] = kNoMark;
        break;
    }
  }
}

bool Game::showsNumber(int index) const {
  return index >= 1 && index <= cells() && b.uncovered[index] && b.near[index] > 0;
}

void Game::chord(int index) {
  Box_MouseUp(index, kMiddle);
  if (b.playing && showsNumber(index)) uncoverAround(index);
}

namespace {
// Row by row from the top left.
constexpr Neighbours kReadingOrder = {{{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}}};
}  // namespace

void Game::uncoverAround(int index) {
  const int a = m.across, x = cellColumn(a, index), y = cellRow(a, index);
  // The flags the player sees: a flag a cascade uncovered shows a number.
  int flags = 0;
  forNeighbours(a, m.down, x, y, kReadingOrder, [&](int n) {
    if (!b.uncovered[n] && b.mark[n] == kFlagMark) ++flags;
  });
  if (b.near[index] == 0 || flags != b.near[index]) return;
  // Each release sees the board the ones before left: a cell a cascade
  // opened is passed over, and after a loss or a win none plays.
  forNeighbours(a, m.down, x, y, kReadingOrder, [&](int n) {
    if (!b.uncovered[n] && b.mark[n] != kFlagMark) Box_MouseUp(n, kLeft);
  });
}

void Game::lose(int index) {
  b.playing = false;
  for (int i = 1; i <= cells(); ++i) {
    if (b.mark[i] == kFlagMark && !b.ismine[i]) boxload(i, pic::kWrongFlag);
    if (b.mark[i] == kNoMark && b.ismine[i]) boxload(i, pic::kMine);
  }
  boxload(index, pic::kMineHit);
  smile = pic::kLost;
  stopClock();
  endGame(GameEnd::kLost);
}

void Game::endGame(GameEnd end) {
  if (!inGame_) return;
  inGame_ = false;
  records_->gameEnded(*this, end);
}

void Game::leaveBoard() { endGame(GameEnd::kAbandoned); }

}  // namespace klandor
