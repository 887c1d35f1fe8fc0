#pragma once
// Drawings that several cell sets share, each set placing and colouring them
// on its own ground. The legend is the text art's (resources/canvas.h).

#include <array>

#include "resources/canvas.h"

namespace klandor::res {

// The colour set's drawings.
extern const Art kPennantFlag;  // 8 x 10: red pennant, black pole, base
extern const Art kSpikedMine;   // 11 x 11: black, grey tips, white highlight
extern const Art kRedCross;     // 10 x 10: red strokes shaded dark red

// The monochrome set's bold drawings, strokes three pixels wide.
extern const std::array<Art, 8> kBoldNumerals;  // 1 to 8, one-colour shapes of 10 x 10
extern const Art kBoldQuestion;                 // one-colour shape of 10 x 10
extern const Art kBigMine;                      // 13 x 13: black, a white highlight of 2 x 2

// The colour set's grid line: black on every odd pixel of the last column
// and the last row, so that neighbouring cells show a dotted grid.
void dotGridLine(Canvas& c);

// Copies of a cell picture with a drawing put on: text art, or a one-colour
// shape in `ink`, its top-left corner at (x, y).
Picture withArt(Canvas c, int x, int y, const Art& art);
Picture withShape(Canvas c, int x, int y, const Art& shape, std::uint8_t ink);

// The spiked mine in the middle of a cell's ground (which keeps a grid line
// on its last row and column), and the mine the player uncovered: the same
// on red, the ground's colour turned red and the mine's grey dark red.
Canvas spikedMine(Canvas ground);
Picture spikedMineOnRed(Canvas ground, std::uint8_t groundColour);

// Where the pips of a die showing 1 to 8 stand on a grid of three by three
// places: '#' a pip, '_' none. Any small drawing can stand in for a pip.
extern const std::array<Art, 8> kPipPlaces;
// Paints `art` at each place of `places`, the top-left place at (x, y) and
// the places `step` pixels apart.
void paintAtPlaces(Canvas& canvas, const Art& places, int x, int y, int step, const Art& art);

}  // namespace klandor::res
