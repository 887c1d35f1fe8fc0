// Guess-free boards: the first release of 1,000 boards of a level, each timed
// on its own, as the player waits for it. The counters give the median and
// the slowest board in milliseconds, by the wall clock (what the player
// feels, other programs included) and by the processor time of this one,
// and how many boards the search gave up on.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

#include "bench/model_bench.h"

namespace klandor::bench {
namespace {

constexpr int kBoards = 1000;

double milliseconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

void setTimes(benchmark::State& state, const char* name, std::vector<double>& ms) {
  std::sort(ms.begin(), ms.end());
  state.counters[std::string(name) + "_median_ms"] = ms[ms.size() / 2];
  state.counters[std::string(name) + "_slowest_ms"] = ms.back();
}

void BM_GuessFreeFirstRelease(benchmark::State& state, void (*select)(Game&)) {
  Model model;
  Game& game = model.game;
  select(game);
  game.m.options.guessFree = true;
  std::vector<double> wall, cpu;
  for (auto _ : state) {
    wall.clear();
    cpu.clear();
    const unsigned giveUpsBefore = game.guessFreeGiveUps;
    for (int board = 0; board < kBoards; ++board) {
      game.mnuNew_Click();
      // Releases spread over the whole board, corners and edges included.
      const int released = 1 + static_cast<int>((board * 7919L) % game.cells());
      const auto begin = std::chrono::steady_clock::now();
      const std::clock_t cpuBegin = std::clock();
      game.Box_MouseUp(released, kLeft);
      cpu.push_back(1000.0 * static_cast<double>(std::clock() - cpuBegin) / CLOCKS_PER_SEC);
      wall.push_back(milliseconds(std::chrono::steady_clock::now() - begin));
    }
    setTimes(state, "wall", wall);
    setTimes(state, "cpu", cpu);
    state.counters["gave_up"] = game.guessFreeGiveUps - giveUpsBefore;
  }
}

#define KLANDOR_GUESS_FREE_BENCH(name, select) \
  BENCHMARK_CAPTURE(BM_GuessFreeFirstRelease, name, select)->Iterations(1)->Unit(benchmark::kMillisecond)

KLANDOR_GUESS_FREE_BENCH(Beginner, [](Game& g) { g.mnuBeginner_Click(); });
KLANDOR_GUESS_FREE_BENCH(Intermediate, [](Game& g) { g.mnuIntermediate_Click(); });
KLANDOR_GUESS_FREE_BENCH(Expert, [](Game& g) { g.mnuHard_Click(); });
// Random boards almost never hold: the search's repairs lay these.
KLANDOR_GUESS_FREE_BENCH(Custom30x24x300, [](Game& g) { g.customFieldOk(30, 24, 300); });
KLANDOR_GUESS_FREE_BENCH(Densest30x24, [](Game& g) { g.customFieldOk(30, 24, 667); });

// A source that always draws the same number lays the same board and makes
// the same repairs, round and round: the search then spends all its work.
// This is how long a search takes to give up, the clock's limit aside.
class SameDraw final : public Random {
 public:
  void seed(std::uint64_t) override {}
  double next() override { return 0.5; }
};

void BM_GuessFreeGiveUp(benchmark::State& state) {
  SameDraw random;
  GuessFreeLimits limits;
  limits.time = std::chrono::hours(1);
  MineMap mines{};
  for (auto _ : state) {
    if (layGuessFree(30, 24, 667, 360, random, limits, mines)) state.SkipWithError("the search found a board");
  }
}
BENCHMARK(BM_GuessFreeGiveUp)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace klandor::bench
