// The commands that end the current game and start a new board.
#include "core/game.h"

#include <algorithm>

#include "core/levels.h"
#include "core/tile_sets.h"
#include "resources/picture_numbers.h"

namespace klandor {

// Every command that starts a new board also clears `won`: a face left on
// the won picture through a whole new game would misreport that game.

// A command that starts a new board leaves the board on screen first: a
// game on it ends there, abandoned.

void Game::mnuNew_Click() {
  leaveBoard();
  b.playing = true;
  b.seconds = 0;
  b.minesplaced = kFalse;
  b.won = false;
  stopClock();
  rebuild();
}

void Game::chooseLevel(const Level& level) {
  m.beginner = m.intermediate = m.expert = false;
  m.custom = level.selected == nullptr ? kTrue : kFalse;
  if (level.selected != nullptr) m.*level.selected = true;
  newBoard();
}

// The first release on the new board lays new mines.
void Game::newBoard() {
  leaveBoard();
  b.minesplaced = kFalse;
  b.won = false;
  rebuild();
}

void Game::mnuBeginner_Click() { chooseLevel(*levelFor(Menu::mnuBeginner)); }
void Game::mnuIntermediate_Click() { chooseLevel(*levelFor(Menu::mnuIntermediate)); }
void Game::mnuHard_Click() { chooseLevel(*levelFor(Menu::mnuHard)); }

void Game::customFieldOk(int across, int down, int totalmines) {
  // The dialog brings its values into range; the board relies on it.
  m.across = std::clamp(across, kMinAcross, kMaxAcross);
  m.down = std::clamp(down, kMinDown, kMaxDown);
  m.totalmines = std::clamp(totalmines, kMinMines, maxMines(m.across, m.down));
  chooseLevel(*levelOf(kCustomLevel));
}

void Game::mnuColor_Click() {
  if (menu.checked(Menu::mnuColor)) {
    menu.setChecked(Menu::mnuColor, false);
    m.tileset = pic::kMonochromeTiles;
  } else {
    menu.setChecked(Menu::mnuColor, true);
    m.tileset = pic::kColourTiles;
  }
  newBoard();
}

void Game::mnuTile_Click(Menu item) {
  for (const TileSetChoice& choice : kTileSetChoices) {
    if (choice.item == item) {
      m.tileset = choice.tileset;
      newBoard();
    }
  }
}

void Game::mnuOption_Click(Menu item) {
  for (const OptionItem& option : kOptionItems) {
    if (option.item != item) continue;
    bool& on = m.options.*option.on;
    on = !on;
    menu.setChecked(item, on);
  }
}

void Game::Smile_MouseDown() {
  leaveBoard();
  smile = pic::kSmilePressed;
  b.minesplaced = kFalse;
  b.won = false;
}

void Game::Smile_MouseUp() {
  smile = pic::kSmile;
  b.playing = true;
  rebuild();
}

}  // namespace klandor
