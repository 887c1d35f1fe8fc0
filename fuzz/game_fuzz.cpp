// The game's rules against any sequence of player actions. The bytes choose
// a level (or a Custom size) and a seed, then steps: presses and releases of
// the left, right and middle buttons on any element (cells, digit cells and
// indices outside the board), clicks, ticks of the clock, clicks on a safe
// cell (so that games are also won), the commands that change the board, the
// expert's options (chording, guess-free boards...) and chords.
// After every step the game must still show a consistent picture.
//
// Input: a level byte (0 Beginner, 1 Intermediate, 2 Expert, 3 Custom), the
// Custom width and height (signed bytes) and mines (signed 16 bits, high byte
// first), the seed (16 bits), then steps: an action byte (below, in step())
// and its arguments. Missing bytes read as zero. The seeds in
// fuzz/corpus/game_fuzz/ are named by what they play.
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "core/game.h"
#include "fuzz/check.h"
#include "resources/picture_numbers.h"
#include "resources/pictures.h"

namespace {

using namespace klandor;
using fuzz::check;

class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool empty() const { return size_ == 0; }
  std::uint8_t byte() {
    if (size_ == 0) return 0;
    --size_;
    return *data_++;
  }
  std::uint16_t word() {
    const unsigned high = byte();
    return static_cast<std::uint16_t>(high << 8 | byte());
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

bool inCatalogue(int number) {
  static const std::vector<bool> known = [] {
    std::vector<bool> v(static_cast<std::size_t>(res::pictureNumbers().back()) + 1);
    for (int n : res::pictureNumbers()) v[static_cast<std::size_t>(n)] = true;
    return v;
  }();
  return number >= 0 && static_cast<std::size_t>(number) < known.size() && known[static_cast<std::size_t>(number)];
}

// The three digit cells from `first` show exactly this text ('-' the minus).
bool shows(const Game& game, int first, const std::string& text) {
  for (int k = 0; k < 3; ++k) {
    const char c = text[static_cast<std::size_t>(k)];
    const int expected = c == '-' ? pic::kMinus : pic::kDigit0 + (c - '0');
    if (game.box[first + k] != expected) return false;
  }
  return true;
}

// The counter's text, worked out from the decimal text of minesleft: its
// last three digits, or a minus and the last two digits of its size.
std::string counterText(int minesleft) {
  if (minesleft >= 0) {
    const std::string t = std::to_string(minesleft + 1000);
    return t.substr(t.size() - 3);
  }
  const std::string t = std::to_string(minesleft - 100);
  return "-" + t.substr(t.size() - 2);
}

void checkInvariants(const Game& game) {
  const Board& b = game.b;
  const int tiles = game.m.tileset;
  check(inCatalogue(game.smile), "the face shows a picture the catalogue has");
  int flags = 0;
  int covered = 0;
  bool safeCovered = false;
  bool mineHit = false;
  for (int i = 1; i <= game.cells(); ++i) {
    const int shown = game.box[i];
    check(inCatalogue(shown) && shown >= tiles + pic::kUncovered && shown <= tiles + pic::kQuestionPressed,
          "every cell shows a cell picture of the tile set in use");
    // An uncovered cell shows its count (a flag carried along shows as a
    // wrong flag after a loss); a covered one never shows a count.
    if (b.uncovered[i])
      check(shown == tiles + pic::kUncovered + b.near[i] || (b.mark[i] == kFlagMark && shown == tiles + pic::kWrongFlag),
            "an uncovered cell shows its count");
    else
      check(shown >= tiles + pic::kCovered, "a covered cell shows no count");
    flags += b.mark[i] == kFlagMark ? 1 : 0;
    covered += b.uncovered[i] ? 0 : 1;
    safeCovered |= !b.ismine[i] && !b.uncovered[i];
    mineHit |= shown == tiles + pic::kMineHit;
  }
  check(b.minesleft == game.m.totalmines - flags, "minesleft is the mines less the flags");
  check(shows(game, game.cells() + 1, counterText(b.minesleft)), "the counter shows minesleft");
  check(b.seconds >= 0 && b.seconds <= 999, "the clock stays within 0..999");
  check(shows(game, game.cells() + 4, std::to_string(b.seconds + 1000).substr(1)), "the clock shows the seconds");
  check(!game.secondEnabled || b.playing, "the clock runs only while the game is played");
  if (b.won) {
    check(!safeCovered, "a won game has every cell without a mine uncovered");
    check(game.smile == pic::kWon, "a won game shows the won face");
    check(!b.playing, "a won game is not playing");
  }
  if (mineHit || game.smile == pic::kLost) check(!b.playing, "a lost game is not playing");
  check(b.covered == covered, "the running count of covered cells equals a recount");
}

constexpr int kButtons[] = {kLeft, kRight, kMiddle};
int button(Bytes& in) { return kButtons[in.byte() % 3]; }

// An element index: mostly a cell or a digit cell, or just off the board;
// a word from 0xFFF0 up picks an index far outside it.
int element(Bytes& in, const Game& game) {
  static const int kFar[] = {INT_MIN, INT_MIN + 1, -65536, -32768, -1000, -2, -1, 0,
                             kMaxCells, kMaxElements - 1, kMaxElements, kMaxElements + 1,
                             32767, 65535, INT_MAX - 1, INT_MAX};
  const unsigned w = in.word();
  if (w >= 0xFFF0) return kFar[w - 0xFFF0];
  return static_cast<int>(w % static_cast<unsigned>(game.elements() + 4)) - 1;
}

// The k-th covered cell without a mine (any covered cell before the mines
// are laid), or 0 when there is none.
int safeCell(const Game& game, unsigned k) {
  std::vector<int> cells;
  for (int i = 1; i <= game.cells(); ++i)
    if (!game.b.uncovered[i] && !(game.b.minesplaced != kFalse && game.b.ismine[i])) cells.push_back(i);
  return cells.empty() ? 0 : cells[k % cells.size()];
}

void click(Game& game, int index, int button) {
  game.Box_MouseDown(index, button);
  game.Box_MouseUp(index, button);
}

void tick(Game& game, int times) {
  for (int t = 0; t < times; ++t) {
    game.Second_Timer();
    check(game.b.seconds <= 999, "the clock never passes 999");
  }
}

// The Custom Field's values, as signed bytes and a signed word: the game
// brings them into range.
struct CustomSize {
  int across, down, mines;
};
CustomSize customSize(Bytes& in) {
  const auto across = static_cast<std::int8_t>(in.byte());
  const auto down = static_cast<std::int8_t>(in.byte());
  return {across, down, static_cast<std::int16_t>(in.word())};
}
void customField(Game& game, CustomSize size) { game.customFieldOk(size.across, size.down, size.mines); }

void command(Game& game, Bytes& in) {
  switch (in.byte() % 10) {
    case 0: game.mnuNew_Click(); break;
    case 1: game.mnuBeginner_Click(); break;
    case 2: game.mnuIntermediate_Click(); break;
    case 3: game.mnuHard_Click(); break;
    case 4: customField(game, customSize(in)); break;
    case 5: game.mnuColor_Click(); break;
    case 6: game.mnuMarks_Click(); break;
    case 7:  // the face holds the mouse from its press to its release
      game.Smile_MouseDown();
      tick(game, in.byte() % 4);
      game.Smile_MouseUp();
      break;
    case 8:  // an option turned on or off
      game.mnuOption_Click(kOptionItems[in.byte() % kOptionItems.size()].item);
      break;
    default:  // a chord's release on any element
      game.chord(element(in, game));
      break;
  }
}

// One step: 0 a press, 1 a release, 2 both (a button byte: 0 left, 1 right,
// 2 middle; an element word); 3 ticks (a byte, times four); 4 a left click on
// a covered cell without a mine (a word picks which); 5 a command (a byte:
// 0 New, 1 Beginner, 2 Intermediate, 3 Expert, 4 Custom with its size,
// 5 Color, 6 Marks, 7 the face pressed, a few ticks, released, 8 an option
// turned on or off (a byte picks which), 9 a chord's release on an element).
void step(Game& game, Bytes& in) {
  switch (in.byte() % 6) {
    case 0: {
      const int b = button(in);
      game.Box_MouseDown(element(in, game), b);
      break;
    }
    case 1: {
      const int b = button(in);
      game.Box_MouseUp(element(in, game), b);
      break;
    }
    case 2: {
      const int b = button(in);
      click(game, element(in, game), b);
      break;
    }
    case 3:
      tick(game, in.byte() * 4);  // up to 1020 ticks: past the clock's end
      break;
    case 4:
      if (const int cell = safeCell(game, in.word())) click(game, cell, kLeft);
      break;
    default:
      command(game, in);
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Bytes in(data, size);
  Module1 settings;
  StdRandom random;
  const int level = in.byte() % 4;
  const CustomSize custom = customSize(in);  // used by the Custom level only
  const std::uint64_t seed = in.word();
  Game game(settings, random, [seed] { return seed; });
  switch (level) {
    case 1: game.mnuIntermediate_Click(); break;
    case 2: game.mnuHard_Click(); break;
    case 3: customField(game, custom); break;
    default: break;  // the game opens on Beginner
  }
  checkInvariants(game);
  while (!in.empty()) {
    step(game, in);
    checkInvariants(game);
  }
  return 0;
}
