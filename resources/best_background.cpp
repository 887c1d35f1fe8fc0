// The background of the Best Times dialog: light grey with an etched frame
// whose top line gives way to the heading, and the three level labels.

#include "resources/best_background.h"

#include <string_view>

#include "resources/canvas.h"
#include "resources/catalogue.h"
#include "resources/lettering.h"
#include "resources/picture_numbers.h"
#include "resources/translatable.h"

namespace klandor::res {

namespace {

using namespace colour;

constexpr int kWidth = 303;
constexpr int kHeight = 100;

// The heading's box breaks the frame's top line.
constexpr int kHeadingLeft = 10;
constexpr int kHeadingRight = 118;
constexpr int kHeadingBottom = 10;
constexpr int kHeadingTop = 1;  // the letters' top row, centring them on the line

// The labels' boxes end before the column of times the dialog puts over
// the picture.
constexpr int kLabelLeft = 11;
constexpr int kLabelRight = 100;
constexpr std::array<int, 3> kLabelTop = {23, 49, 74};

struct Box {
  const Font& font;
  int width;
};

Box headingBox() { return {headingFont(), kHeadingRight - kHeadingLeft + 1}; }
Box labelBox() { return {labelFont(), kLabelRight - kLabelLeft + 1}; }

// The text's last character taken off, UTF-8 aware.
void dropLast(std::string& text) {
  while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80) text.pop_back();
  if (!text.empty()) text.pop_back();
}

std::string fitted(std::string_view text, std::string_view english, const Box& box) {
  if (!hasGlyphs(box.font, text)) text = english;
  if (textWidth(box.font, text) <= box.width) return std::string(text);
  // Shortened before its closing colon (and the blank some languages put
  // before it), with a full stop where the letters were taken off.
  const std::size_t end = text.find_last_not_of(" :") + 1;
  const std::string_view close = text.substr(end);
  std::string body(text.substr(0, end));
  std::string shortened;
  do {
    dropLast(body);
    while (!body.empty() && body.back() == ' ') body.pop_back();
    shortened = body + "." + std::string(close);
  } while (!body.empty() && textWidth(box.font, shortened) > box.width);
  return shortened;
}

}  // namespace

const BestTimesLettering& englishLettering() {
  static const BestTimesLettering english{KLANDOR_TR_NOOP("BestTimesBackground", "Fastest Klandors"),
                                          {KLANDOR_TR_NOOP("BestTimesBackground", "Beginner:"),
                                           KLANDOR_TR_NOOP("BestTimesBackground", "Intermediate:"),
                                           KLANDOR_TR_NOOP("BestTimesBackground", "Expert:")}};
  return english;
}

BestTimesLettering translatedLettering(const std::function<std::string(std::string_view)>& translate) {
  const BestTimesLettering& english = englishLettering();
  BestTimesLettering lettering{translate(english.heading), {}};
  for (std::size_t i = 0; i < lettering.labels.size(); ++i) lettering.labels[i] = translate(english.labels[i]);
  return lettering;
}

BestTimesLettering fittedLettering(const BestTimesLettering& lettering) {
  const BestTimesLettering& english = englishLettering();
  BestTimesLettering out{fitted(lettering.heading, english.heading, headingBox()), {}};
  for (std::size_t i = 0; i < out.labels.size(); ++i)
    out.labels[i] = fitted(lettering.labels[i], english.labels[i], labelBox());
  return out;
}

Picture bestTimesBackground(const BestTimesLettering& lettering) {
  const BestTimesLettering text = fittedLettering(lettering);
  Canvas c(kWidth, kHeight, kLightGrey);
  // Etched: a white outline one pixel down and right, under a dark grey one.
  c.frame(1, 5, kWidth - 1, kHeight - 1, kWhite);
  c.frame(0, 4, kWidth - 2, kHeight - 2, kDarkGrey);

  c.fill(kHeadingLeft, 0, kHeadingRight, kHeadingBottom, kLightGrey);
  const Box heading = headingBox();
  write(c, kHeadingLeft + (heading.width - textWidth(heading.font, text.heading)) / 2, kHeadingTop, text.heading,
        heading.font);

  for (std::size_t i = 0; i < text.labels.size(); ++i) write(c, kLabelLeft, kLabelTop[i], text.labels[i], labelFont());
  return c.picture();
}

void addBestTimesBackground(Catalogue& catalogue) {
  catalogue[pic::kBestTimesBackground] = bestTimesBackground(englishLettering());
}

}  // namespace klandor::res
