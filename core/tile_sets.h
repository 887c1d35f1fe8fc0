#pragma once
// The cell sets the player picks from the Game menu's tile-set submenu, each
// by its item and its `tileset` offset. The large colour set is not offered:
// the window is laid out for cells of 16 pixels.

#include <array>

#include "core/menu.h"
#include "resources/picture_numbers.h"

namespace klandor {

struct TileSetChoice {
  Menu item;
  int tileset;
};

inline constexpr std::array<TileSetChoice, 7> kTileSetChoices = {{
    {Menu::mnuTileColor, pic::kColourTiles},
    {Menu::mnuTileMono, pic::kMonochromeTiles},
    {Menu::mnuTileFlat, pic::kFlatTiles},
    {Menu::mnuTileSolid, pic::kSolidTiles},
    {Menu::mnuTileShaded, pic::kShadedTiles},
    {Menu::mnuTileLandscape, pic::kLandscapeTiles},
    {Menu::mnuTileDice, pic::kDiceTiles},
}};

}  // namespace klandor
