// The window icon: a black mine in the lower right with a flash of white,
// light grey and dark grey rays bursting from it toward the upper left, on a
// transparent ground ('_').

#include <stdexcept>

#include "resources/canvas.h"

namespace klandor::res {

namespace {

const Art kIcon32 = {
    "________________________________",
    "_D________D____D________________",
    "__D_______D____D________________",
    "___D_______D____D_______________",
    "____D___D__D____D_______________",
    "_____.___D__D___D_______________",
    "______.__D__.____.______________",
    "_______.__D__.___.______________",
    "____D___._.__.___.______________",
    "_____DD__W_.__.__.______________",
    "_DD____D._W.__.___._____________",
    "___DD____..WW__W__W.____________",
    "_____D.____WW__W..W.__#_________",
    "_______..____W_.WWWW__#_________",
    "_________..___W.WWWW__#_______#_",
    "_DD________WW..#WWWW.###_____#__",
    "___DDD______.WWW#WWW#####___#___",
    "______....__.WWWW###########____",
    "__________.WWWWWW###########____",
    "___________..WWWW##WW#######____",
    "_______________.###WW########___",
    "_______________###############__",
    "____________####################",
    "_______________###############__",
    "________________#############___",
    "_________________###########____",
    "_________________###########____",
    "_________________###########____",
    "________________#___#####___#___",
    "_______________#_____###_____#__",
    "______________#_______#_______#_",
    "______________________#_________",
};

const Art kIcon16 = {
    "D_______________",
    "_D____D_________",
    "__D___D_________",
    "___.___D________",
    "____.__.________",
    "_____W__..______",
    "_DD___W_W._#____",
    "___D.__WWW_#____",
    "_____.WW#W###_#_",
    "_____..WW#####__",
    "________##W####_",
    "______##########",
    "________#######_",
    "_________#####__",
    "________#_###_#_",
    "___________#____",
};

Icon fromArt(const Art& art) {
  const int size = static_cast<int>(art.size());
  Icon icon{Picture{size, size, {}}, {}};
  for (const auto line : art) {
    if (static_cast<int>(line.size()) != size) throw std::logic_error("icon art is not square");
    for (const char c : line) {
      const bool clear = c == '_';
      icon.image.pixels.push_back(clear ? colour::kBlack : colourOf(c));
      icon.transparent.push_back(clear);
    }
  }
  return icon;
}

}  // namespace

const Icon& icon(int size) {
  static const Icon small = fromArt(kIcon16);
  static const Icon large = fromArt(kIcon32);
  if (size == 16) return small;
  if (size == 32) return large;
  throw std::invalid_argument("the icon comes in 16 and 32 pixels only");
}

}  // namespace klandor::res
