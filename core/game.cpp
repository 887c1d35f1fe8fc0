// The load sequence, the rebuild and the routines that picture the board.
#include "core/game.h"

#include <cstdlib>

#include "core/levels.h"
#include "core/tile_sets.h"
#include "resources/picture_numbers.h"

namespace klandor {

namespace {
Records& noRecords() {
  static Records none;
  return none;
}
}  // namespace

void Game::setRecords(Records* records) { records_ = records != nullptr ? records : &noRecords(); }

Game::Game(Module1& settings, Random& random, SeedClock clock, Records* records)
    : m(settings), random_(random), clock_(std::move(clock)), records_(records) {
  setRecords(records);
  smile = pic::kInitialFace;
  load();
}

void Game::load() {
  random_.seed(clock_());
  b.seconds = 0;
  b.playing = true;
  setlevel();
  setvars();
  imageload();
  records_->scoreload(m);
  ++loads;
}

void Game::rebuild() {
  // Tear down: every control comes back in its design-time state.
  box.fill(0);
  smile = pic::kInitialFace;
  secondEnabled = false;
  menu.restoreDesign();
  load();
}

void Game::setlevel() {
  if (!m.beginner && !m.intermediate && !m.expert && m.custom == kFalse) m.beginner = true;
  auto checkOnly = [this](Menu item) {
    for (const Level& level : kLevels) menu.setChecked(level.item, level.item == item);
  };
  // Each selection is tested on its own; were several in force, the last
  // one would win.
  for (const Level& level : kLevels) {
    if (level.selected == nullptr || !(m.*level.selected)) continue;
    m.across = level.across;
    m.down = level.down;
    m.totalmines = level.totalmines;
    checkOnly(level.item);
    b.levelnum = level.levelnum;
  }
  if (m.custom == kTrue) {  // the board keeps the size the Custom Field gave it
    checkOnly(Menu::mnuCustom);
    b.levelnum = kCustomLevel;
  }
}

void Game::setvars() {
  if (m.tileset == pic::kColourTiles) menu.setChecked(Menu::mnuColor, true);
  for (const TileSetChoice& choice : kTileSetChoices) {
    if (choice.tileset == m.tileset) menu.setChecked(choice.item, true);
  }
  // The options last through every new board.
  for (const OptionItem& option : kOptionItems) menu.setChecked(option.item, m.options.*option.on);
  b.minesleft = m.totalmines;
}

void Game::imageload() {
  // Cells are created column by column, as the window lays them out.
  for (int x = 0; x < m.across; ++x) {
    for (int y = 0; y < m.down; ++y) {
      const int i = cellIndex(m.across, x, y);
      boxload(i, pic::kCovered);
      b.ismine[i] = false;
      b.uncovered[i] = false;
      b.mark[i] = kNoMark;
    }
  }
  b.covered = cells();
  b.guessFreeGaveUp = false;
  showCounter();
  for (int k = 4; k <= 6; ++k) boxload(cells() + k, pic::kDigit0);
}

void Game::boxload(int index, int picture) {
  box[static_cast<std::size_t>(index)] = picture >= pic::kUncovered ? picture + m.tileset : picture;
}

void Game::showCounter() {
  const int first = cells() + 1;
  if (b.minesleft >= 0) {
    const int v = b.minesleft % 1000;
    boxload(first, pic::kDigit0 + v / 100);
    boxload(first + 1, pic::kDigit0 + v / 10 % 10);
    boxload(first + 2, pic::kDigit0 + v % 10);
  } else {
    // Only the last two digits of the shortfall fit beside the minus sign.
    const int v = std::abs(b.minesleft) % 100;
    boxload(first, pic::kMinus);
    boxload(first + 1, pic::kDigit0 + v / 10);
    boxload(first + 2, pic::kDigit0 + v % 10);
  }
}

void Game::showClock() {
  const int first = cells() + 4;
  boxload(first, pic::kDigit0 + b.seconds / 100);
  boxload(first + 1, pic::kDigit0 + b.seconds / 10 % 10);
  boxload(first + 2, pic::kDigit0 + b.seconds % 10);
}

void Game::startClock() {
  secondEnabled = true;
  ++secondStarts;
  b.seconds = 1;
  boxload(cells() + 6, pic::kDigit0 + 1);
}

void Game::stopClock() { secondEnabled = false; }

void Game::Second_Timer() {
  if (!secondEnabled) return;
  b.seconds += 1;
  if (b.seconds >= 1000) b.seconds = 999;
  showClock();
}

}  // namespace klandor
