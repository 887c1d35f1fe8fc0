#pragma once
// A game for the benchmarks: every load takes the next seed, so repeated
// boards differ.

#include <cstdint>

#include "core/game.h"

namespace klandor::bench {

struct Model {
  Module1 settings;
  StdRandom random;
  std::uint64_t seed = 0;
  Game game{settings, random, [this] { return ++seed; }};
};

}  // namespace klandor::bench
