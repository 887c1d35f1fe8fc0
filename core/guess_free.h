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
// The search first tries boards laid at random outside the start's area
// and keeps the first one the rules solve as it is, so that every
// guess-free board with that opening is as likely as any other. On dense boards, where that
// rarely happens, it turns to repairs after a thirty-second of its work:
// where the rules get stuck, it moves one mine out of the unsolved border
// of what is known to a cell still out of sight, then goes on solving from
// where it stopped; those boards keep somewhat fewer mines near the start.
// It draws only from the Random it is given, so a seeded game lays the same
// board on every machine, unless the time limit (a backstop behind the work
// limit) cuts the search short.

#include <chrono>
#include <functional>

#include "core/board.h"
#include "core/random.h"

namespace klandor {

struct GuessFreeLimits {
  using Clock = std::chrono::steady_clock;
  // Steps of solving and repairing before the search gives up (roughly a
  // tenth of a second of one 2.6 GHz core). It bounds the search on its
  // own, the same on every machine.
  long work = 32'000'000;
  // And the time it may take at most, read from `now`.
  Clock::duration time = std::chrono::milliseconds(250);
  std::function<Clock::time_point()> now = [] { return Clock::now(); };
};

// Sets mines[1..across*down] to a board of totalmines mines on which a
// release on cell `start` opens an area and the four rules above solve the
// rest. Returns false, with no mine laid,
// when the search gives up within its limits.
bool layGuessFree(int across, int down, int totalmines, int start, Random& random, const GuessFreeLimits& limits,
                  MineMap& mines);

}  // namespace klandor
