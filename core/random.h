#pragma once
// The pseudo-random source of mine laying. The game reseeds it from the
// clock at every load of the main window; tests hand in fixed seeds.

#include <cstdint>
#include <functional>
#include <random>

namespace klandor {

class Random {
 public:
  virtual ~Random() = default;
  virtual void seed(std::uint64_t value) = 0;
  // The next number, uniform in [0, 1).
  virtual double next() = 0;
};

class StdRandom final : public Random {
 public:
  void seed(std::uint64_t value) override { engine_.seed(value); }
  double next() override;

 private:
  std::mt19937_64 engine_{0};
};

// Where the seed of every load comes from.
using SeedClock = std::function<std::uint64_t()>;

// The system clock (nanoseconds since the epoch).
SeedClock systemSeedClock();

}  // namespace klandor
