// Laying the mines and counting the neighbours, as the first release does.
#include <benchmark/benchmark.h>

#include "bench/model_bench.h"

namespace klandor::bench {
namespace {

void BM_MinesetMinecheck(benchmark::State& state, void (*select)(Game&)) {
  Model model;
  Game& game = model.game;
  select(game);
  const int exclude = game.cells() / 2;
  for (auto _ : state) {
    state.PauseTiming();
    game.b.ismine.fill(false);  // what a load does before every first release
    state.ResumeTiming();
    game.mineset(exclude);
    game.minecheck();
    benchmark::DoNotOptimize(game.b.near.data());
    benchmark::ClobberMemory();
  }
}

BENCHMARK_CAPTURE(BM_MinesetMinecheck, Expert, [](Game& g) { g.mnuHard_Click(); });
BENCHMARK_CAPTURE(BM_MinesetMinecheck, Densest30x24, [](Game& g) { g.customFieldOk(30, 24, 667); });

}  // namespace
}  // namespace klandor::bench
