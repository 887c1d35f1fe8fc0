// Opening the statistics of a long-kept file: 100,000 rows read from their
// text and summed into every level's figures and fastest wins.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "records/statistics.h"

namespace klandor::bench {
namespace {

constexpr int kRows = 100000;

// Games of every level and result, over a few years, from a fixed sequence.
std::string statisticsText() {
  std::string text(kStatisticsHeader);
  std::uint32_t state = 12345;
  auto next = [&state](std::uint32_t below) {
    state = state * 1664525u + 1013904223u;
    return (state >> 8) % below;
  };
  for (int i = 0; i < kRows; ++i) {
    GameRow row;
    row.finished = {2020 + i / 20000, 1 + int(next(12)), 1 + int(next(28)), int(next(24)), int(next(60)),
                    int(next(60))};
    row.level = kGameLevels[next(4)];
    if (row.level == GameLevel::intermediate) row = {row.finished, row.level, 16, 16, 40};
    if (row.level == GameLevel::expert) row = {row.finished, row.level, 30, 16, 99};
    if (row.level == GameLevel::custom) row = {row.finished, row.level, 20, 20, 70};
    row.result = static_cast<GameResult>(next(3));
    row.milliseconds = 1000 + next(400000);
    row.seconds = std::min<int>(999, int(row.milliseconds / 1000) + 1);
    row.bv = 1 + int(next(30));
    text += statisticsRow(row);
  }
  return text;
}

void BM_OpenStatistics100k(benchmark::State& state) {
  const std::string text = statisticsText();
  for (auto _ : state) {
    const StatisticsTally tally(parseStatistics(text));
    for (GameLevel level : kGameLevels) benchmark::DoNotOptimize(tally.figures(level));
    benchmark::DoNotOptimize(tally.fastest(GameLevel::expert).data());
  }
  if (StatisticsTally(parseStatistics(text)).figures(GameLevel::beginner).played == 0)
    state.SkipWithError("the rows were not read");
  state.SetItemsProcessed(state.iterations() * kRows);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_OpenStatistics100k)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace klandor::bench
