#pragma once
// Where the best-times file lives: minebs.txt in the game's folder of the
// user's data directory ($XDG_DATA_HOME/klandor, ~/.local/share/klandor
// when the variable is unset).

#include <filesystem>

namespace klandor {

std::filesystem::path bestTimesPath();

}  // namespace klandor
