#pragma once
// Guess-free boards: mines laid so that the first release opens an area and
// logic alone then solves the whole board. The logic is four rules, applied
// until every safe cell is open:
//  1. a number whose covered neighbours equal its missing mines has them all
//     as mines;
//  2. a number whose known mines equal it has every other covered neighbour
//     safe;
//  3. for two numbers whose covered neighbours are one inside the other, the
//     difference holds the difference of their missing mines (all mines, or
//     all safe, when that fits);
//  4. when the covered cells left equal the mines left, or none of them can
//     be a mine, the global count settles them.
// ("Covered" neighbours here are those not yet known to be mines.)
//
// The search lays the mines at random around the start's area, solves, and
// where the rules get stuck moves one mine between the unsolved border of
// what is known and the cells still out of sight, then goes on solving from
// where it stopped. It draws only from the Random it is given, so a seeded
// game lays the same board on every machine, unless the time limit (a
// backstop behind the work limit) cuts it short.

#include <chrono>
#include <functional>

#include "core/board.h"
#include "core/random.h"

namespace klandor {

struct GuessFreeLimits {
  using Clock = std::chrono::steady_clock;
  // Steps of solving and repairing before the search gives up. It bounds the
  // search on its own, the same on every machine.
  long work = 32'000'000;
  // And the time it may take at most, read from `now`.
  Clock::duration time = std::chrono::milliseconds(250);
  std::function<Clock::time_point()> now = [] { return Clock::now(); };
};

// Lays totalmines mines into mines[1..across*down] (and clears the rest of
// that range) so that a release on cell `start` opens an area and the four
// rules above solve the board from there. Returns false, with no mine laid,
// when the search gives up within its limits.
bool layGuessFree(int across, int down, int totalmines, int start, Random& random, const GuessFreeLimits& limits,
                  MineMap& mines);

}  // namespace klandor
