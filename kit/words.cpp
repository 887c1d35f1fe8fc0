#include "kit/words.h"

#include "kit/text.h"
#include "resources/picture_numbers.h"

namespace klandor::kit {

namespace {
// The words for the cells without a count, by picture.
struct CellWord {
  int picture;
  const char* word;
};
constexpr CellWord kCellWords[] = {
    {pic::kUncovered, KLANDOR_TR_NOOP("BoardWords", "empty")},
    {pic::kCovered, KLANDOR_TR_NOOP("BoardWords", "covered")},
    {pic::kFlag, KLANDOR_TR_NOOP("BoardWords", "flag")},
    {pic::kMine, KLANDOR_TR_NOOP("BoardWords", "mine")},
    {pic::kMineHit, KLANDOR_TR_NOOP("BoardWords", "exploded mine")},
    {pic::kWrongFlag, KLANDOR_TR_NOOP("BoardWords", "wrong flag")},
    {pic::kQuestion, KLANDOR_TR_NOOP("BoardWords", "question mark")},
};

Phrase say(const char* text) { return {text}; }
Phrase say(const char* text, int n, bool plural = false) { return {text, {n, 0}, 1, plural}; }
}  // namespace

std::string Phrase::english() const { return kit::text(*this).inEnglish(); }

int cellKind(int picture) { return picture == pic::kQuestionPressed ? pic::kQuestion : picture; }

Phrase cellName(int picture) {
  const int near = picture - pic::kUncovered;
  if (near == 1) return say(KLANDOR_TR_NOOP("BoardWords", "1 mine around"));
  if (near > 1 && near <= 8) return say(KLANDOR_TR_N_NOOP("BoardWords", "%1 mines around"), near, true);
  for (const CellWord& w : kCellWords)
    if (w.picture == cellKind(picture)) return say(w.word);
  return {};
}

Phrase cellPlace(int row, int column) {
  return {KLANDOR_TR_NOOP("BoardWords", "Row %1, column %2"), {row + 1, column + 1}, 2};
}

Phrase counterName(int minesleft) { return say(KLANDOR_TR_NOOP("BoardWords", "Mines left: %1"), minesleft); }

Phrase clockName(int seconds) {
  // English says "1 second" apart; other languages inflect by the count.
  if (seconds == 1) return say(KLANDOR_TR_NOOP("BoardWords", "Time: 1 second"));
  return say(KLANDOR_TR_N_NOOP("BoardWords", "Time: %1 seconds"), seconds, true);
}

Phrase gameState(const Board& b) {
  if (b.won) return say(KLANDOR_TR_NOOP("BoardWords", "Game won"));
  return say(b.playing ? KLANDOR_TR_NOOP("BoardWords", "Game in play") : KLANDOR_TR_NOOP("BoardWords", "Game lost"));
}

}  // namespace klandor::kit
