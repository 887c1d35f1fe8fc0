// A new board on the largest grid, and one release that opens all of it.
#include <benchmark/benchmark.h>

#include "bench/model_bench.h"

namespace klandor::bench {
namespace {

void BM_Rebuild30x24(benchmark::State& state) {
  Model model;
  Game& game = model.game;
  game.customFieldOk(30, 24, 99);
  for (auto _ : state) {
    game.rebuild();
    benchmark::DoNotOptimize(game.box.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Rebuild30x24);

// Ten mines on the last ten cells: a release on cell 1 opens the other 710
// cells depth-first, with a win test after each cell without neighbours.
void BM_FullCascade30x24(benchmark::State& state) {
  Model model;
  Game& game = model.game;
  game.customFieldOk(30, 24, 10);
  for (auto _ : state) {
    state.PauseTiming();
    game.mnuNew_Click();
    for (int c = game.cells() - 9; c <= game.cells(); ++c) game.b.ismine[c] = true;
    game.minecheck();
    game.b.minesplaced = kTrue;
    state.ResumeTiming();
    game.Box_MouseUp(1, kLeft);
    benchmark::DoNotOptimize(game.b.won);
  }
  if (!game.b.won) state.SkipWithError("the release did not open the whole board");
}
BENCHMARK(BM_FullCascade30x24);

}  // namespace
}  // namespace klandor::bench
