#pragma once
// The lettering of the Best Times background (picture 600): a heading that
// breaks the frame's top line and a label for each fixed level, each in a
// box of its own that never moves. The catalogue's picture is lettered in
// English; the game letters the player's language the same way.

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "resources/pictures.h"

namespace klandor::res {

// Texts in UTF-8.
struct BestTimesLettering {
  std::string heading;
  std::array<std::string, 3> labels;  // Beginner, Intermediate, Expert

  bool operator==(const BestTimesLettering&) const = default;
};

// The context the English texts are translated in.
inline constexpr char kLetteringContext[] = "BestTimesBackground";

// The English lettering, as the catalogue's picture 600 carries it.
const BestTimesLettering& englishLettering();

// The English lettering with each text as `translate` gives it: a front
// end passes its lookup in kLetteringContext.
BestTimesLettering translatedLettering(const std::function<std::string(std::string_view)>& translate);

// The lettering as it is drawn: a text with a character the alphabets lack
// is lettered in English instead, and one too wide for its box loses letters
// from its end, marked by a full stop, until it fits. A text that fits is
// drawn as it is.
BestTimesLettering fittedLettering(const BestTimesLettering& lettering);

// Picture 600 with this lettering, fitted as above.
Picture bestTimesBackground(const BestTimesLettering& lettering);

}  // namespace klandor::res
