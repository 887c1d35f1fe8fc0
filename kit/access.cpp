#include "kit/access.h"

#include "resources/picture_numbers.h"

namespace klandor::kit {

namespace {
// The counter's first digit cell; the clock's follow the counter's three.
int counterFirst(const Layout& layout) { return layout.across() * layout.down() + 1; }
}  // namespace

Phrase partName(const Front& front, Part part) {
  const Board& b = front.game().b;
  switch (part.kind) {
    case Part::kCounter:
      return counterName(b.minesleft);
    case Part::kFace:
      return {words::kNewGame};
    case Part::kClock:
      return clockName(b.seconds);
    case Part::kMinefield:
      return {words::kMinefield};
    case Part::kCell:
      return front.cellWords(part.index);
  }
  return {};
}

Phrase partStatus(const Front& front, Part part) {
  if (part.kind == Part::kFace) return gameState(front.game().b);
  if (part.kind == Part::kMinefield) return {words::kMinefieldHelp};
  if (part.kind != Part::kCell) return {};
  const int across = front.layout().across();
  return cellPlace(cellRow(across, part.index), cellColumn(across, part.index));
}

int partMark(const Front& front, Part part) {
  if (part.kind != Part::kCell) return kNoMark;
  const int kind = cellKind(front.game().box[static_cast<std::size_t>(part.index)] - front.game().m.tileset);
  return kind == pic::kFlag ? kFlagMark : kind == pic::kQuestion ? kQuestionMark : kNoMark;
}

Rect partRect(const Layout& layout, Part part) {
  const int first = counterFirst(layout);
  switch (part.kind) {
    case Part::kCounter:
      return layout.boxRect(first).united(layout.boxRect(first + 2));
    case Part::kFace:
      return layout.smileRect(pic::kInitialFaceSide);
    case Part::kClock:
      return layout.boxRect(first + 3).united(layout.boxRect(first + 5));
    case Part::kMinefield:
      return layout.grid();
    case Part::kCell:
      return layout.boxRect(part.index);
  }
  return {};
}

std::optional<Part> partAt(const Layout& layout, int x, int y) {
  const Element e = layout.elementAt(x, y, pic::kInitialFaceSide);
  if (e.kind == Element::kSmile) return Part{Part::kFace};
  if (e.kind != Element::kBox) return std::nullopt;
  const int first = counterFirst(layout);
  if (e.index >= first + 3) return Part{Part::kClock};
  if (e.index >= first) return Part{Part::kCounter};
  return Part{Part::kCell, e.index};
}

Reports reports(const Changes& changes) {
  Reports r;
  r.newBoard = changes.newLayout;
  for (int index : changes.renamed) r.renamed.push_back({Part::kCell, index});
  if (changes.counter) r.renamed.push_back({Part::kCounter});
  if (changes.clock) r.renamed.push_back({Part::kClock});
  if (changes.state) r.renamed.push_back({Part::kFace});
  r.focus = changes.newLayout || changes.cursor;
  return r;
}

}  // namespace klandor::kit
