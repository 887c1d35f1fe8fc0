#pragma once
// The board's words for screen readers: what each cell shows, the counter,
// the clock, the face and the game's state, the cells' actions and the keys.
// Written in English and marked for translation in the context
// kBoardWordsContext; a front end shows them in the player's language.

#include <array>
#include <string>

#include "core/board.h"
#include "resources/translatable.h"

namespace klandor::kit {

inline constexpr const char* kBoardWordsContext = "BoardWords";

// A text and the numbers that fill its %1 and %2. A plural text is shown in
// the form its language gives the count args[0].
struct Phrase {
  const char* text = nullptr;  // null: no words (a picture that is no cell's)
  std::array<int, 2> args{};
  int argCount = 0;
  bool plural = false;

  // The English text with its numbers filled in.
  std::string english() const;
};

// The kinds of cell the player tells apart, by a cell picture without the
// tile set's offset: the "?" mark looks the same pressed or not.
int cellKind(int picture);
// What a cell picture without the tile set's offset shows.
Phrase cellName(int picture);
// Where a cell lies: row and column counted from 0.
Phrase cellPlace(int row, int column);
Phrase counterName(int minesleft);
Phrase clockName(int seconds);
// The game's state, as the face tells it: in play, won or lost.
Phrase gameState(const Board& b);

namespace words {
inline constexpr const char* kNewGame = KLANDOR_TR_NOOP("BoardWords", "New game");
inline constexpr const char* kMinefield = KLANDOR_TR_NOOP("BoardWords", "Minefield");
inline constexpr const char* kMinefieldHelp =
    KLANDOR_TR_NOOP("BoardWords",
                    "Arrow keys, Home, End, Page Up and Page Down move between the cells; Space or Enter "
                    "uncovers a cell, F puts a flag on it or takes it off.");
// The cells' actions: the press uncovers, as the left button; the flag is
// the right button's click; the chord is both buttons' (Front::chord).
inline constexpr const char* kUncover = KLANDOR_TR_NOOP("BoardWords", "Uncover");
inline constexpr const char* kUncoverHelp = KLANDOR_TR_NOOP("BoardWords", "Uncovers the cell");
inline constexpr const char* kFlag = KLANDOR_TR_NOOP("BoardWords", "Flag");
inline constexpr const char* kFlagHelp = KLANDOR_TR_NOOP("BoardWords", "Puts a flag on the cell, or takes it off");
// A number's chord, offered while either chord option is on.
inline constexpr const char* kChord = KLANDOR_TR_NOOP("BoardWords", "Chord");
inline constexpr const char* kChordHelp =
    KLANDOR_TR_NOOP("BoardWords",
                    "Uncovers every cell around the number without a flag, when the flags around it match the number");
}  // namespace words

}  // namespace klandor::kit
