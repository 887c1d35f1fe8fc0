#pragma once
// The 3BV of a board: the fewest releases that open every safe cell of it
// without flags. Each opening (a connected area of cells without
// neighbouring mines, with the numbers around it) takes one release; each
// number that borders no opening takes one of its own.

#include "core/board.h"

namespace klandor {

// The 3BV of the mines[1..across*down] of an across x down board.
int threeBV(int across, int down, const MineMap& mines);

}  // namespace klandor
