#include "core/random.h"

#include <chrono>

namespace klandor {

double StdRandom::next() {
  // 53 random bits give every double in [0, 1) on a 2^-53 grid.
  return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

SeedClock systemSeedClock() {
  return [] {
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
  };
}

}  // namespace klandor
