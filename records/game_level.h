#pragma once
// The four levels as the game's files name them: the statistics rows and the
// remembered level of the settings file. The names are data, never
// translated.

#include <array>
#include <optional>
#include <string_view>

#include "core/levels.h"

namespace klandor {

// Numbered as the board's levelnum and the levels' table.
enum class GameLevel : int { beginner = 1, intermediate = 2, expert = 3, custom = 4 };

inline constexpr std::array<GameLevel, 4> kGameLevels = {GameLevel::beginner, GameLevel::intermediate,
                                                        GameLevel::expert, GameLevel::custom};

// 0 for Beginner .. 3 for Custom, to index a table of the four levels.
constexpr std::size_t levelIndex(GameLevel level) { return static_cast<std::size_t>(level) - 1; }

// Its name in the files, as the levels' table gives it.
constexpr std::string_view levelName(GameLevel level) { return levelOf(static_cast<int>(level))->key; }

// The level of a name as written (lower case); none for any other text.
constexpr std::optional<GameLevel> levelNamed(std::string_view name) {
  for (GameLevel level : kGameLevels) {
    if (levelName(level) == name) return level;
  }
  return std::nullopt;
}

// The level of a board's levelnum, 1..4; none for any other number.
constexpr std::optional<GameLevel> levelOfNumber(int levelnum) {
  if (levelnum < 1 || levelnum > 4) return std::nullopt;
  return static_cast<GameLevel>(levelnum);
}

}  // namespace klandor
