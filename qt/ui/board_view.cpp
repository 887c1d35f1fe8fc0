#include "qt/ui/board_view.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <optional>
#include <vector>

#include "qt/ui/board_accessible.h"

namespace klandor::ui {

namespace {
QRect toQRect(const kit::Rect& r) { return {r.x, r.y, r.w, r.h}; }

// The game's button numbers; 0 for buttons it does not know.
int buttonNumber(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return kLeft;
    case Qt::RightButton:
      return kRight;
    case Qt::MiddleButton:
      return kMiddle;
    default:
      return 0;
  }
}

constexpr Qt::MouseButtons kKnownButtons = Qt::LeftButton | Qt::RightButton | Qt::MiddleButton;

// The keys that act on the cursor's cell, each held like a mouse button of
// its own: Space and Enter as the left button, F as the right one.
struct ActionKey {
  int key;
  int button;
};
constexpr std::array<ActionKey, 4> kActionKeys = {{
    {Qt::Key_Space, kLeft},
    {Qt::Key_Return, kLeft},
    {Qt::Key_Enter, kLeft},
    {Qt::Key_F, kRight},
}};

// The bit of an action key among the held keys; 0 for any other key.
int actionBit(int key) {
  for (std::size_t k = 0; k < kActionKeys.size(); ++k)
    if (kActionKeys[k].key == key) return 1 << k;
  return 0;
}

int actionButton(int bit) {
  for (std::size_t k = 0; k < kActionKeys.size(); ++k)
    if (bit == 1 << k) return kActionKeys[k].button;
  return 0;
}

// The cursor's inset from the cell's edges, in pixels at scale 1.
constexpr int kCursorInset = 2;
// The least difference in grey a cursor dot keeps from the pixel it covers.
constexpr int kStandOut = 96;
}  // namespace

void drawCursor(QPainter& painter, const QImage& under, const QRect& cell) {
  const QRect square = cell.adjusted(kCursorInset, kCursorInset, -kCursorInset, -kCursorInset);
  const qreal ratio = under.devicePixelRatio();
  auto grey = [&](const QPoint& p) {
    return qGray(under.pixel(static_cast<int>(p.x() * ratio), static_cast<int>(p.y() * ratio)));
  };
  // The square's pixels, clockwise from its top left corner.
  std::vector<QPoint> path;
  for (int x = square.left(); x < square.right(); ++x) path.emplace_back(x, square.top());
  for (int y = square.top(); y < square.bottom(); ++y) path.emplace_back(square.right(), y);
  for (int x = square.right(); x > square.left(); --x) path.emplace_back(x, square.bottom());
  for (int y = square.bottom(); y > square.top(); --y) path.emplace_back(square.left(), y);
  int sum = 0;
  for (const QPoint& p : path) sum += grey(p);
  const bool darkPath = sum < 128 * static_cast<int>(path.size());
  // Every other pixel is a dot: black or white, whichever stands out from
  // the pixel it covers; where both would, the one that stands out from the
  // whole path, so that the dots do not melt into a fine pattern.
  for (std::size_t i = 0; i < path.size(); i += 2) {
    const int covered = grey(path[i]);
    const bool both = covered >= kStandOut && covered <= 255 - kStandOut;
    const bool white = both ? darkPath : covered < 128;
    painter.fillRect(QRect(path[i], QSize(1, 1)), white ? Qt::white : Qt::black);
  }
}

BoardView::BoardView(Game& game, QWidget* parent)
    : QWidget(parent), game_(game), layout_(game.m.across, game.m.down) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  accessible::install();
  relayout();
}

int BoardView::smileSize() { return pictures_.pixmap(drawnSmile_).width(); }

int BoardView::drawnElements() const { return layout_.across() * layout_.down() + kDigitCells; }

void BoardView::relayout() {
  layout_ = kit::Layout(game_.m.across, game_.m.down);
  // The cursor keeps its cell, brought inside a smaller board.
  cursor_ = {std::min(cursor_.x(), layout_.across() - 1), std::min(cursor_.y(), layout_.down() - 1)};
  setFixedSize(layout_.clientWidth(), layout_.clientHeight());
  drawnBox_ = game_.box;
  drawnSmile_ = game_.smile;
  drawnLoads_ = game_.loads;
  recompose();
  update();
  if (QAccessible::isActive()) accessible::reportNewBoard(*this);
}

void BoardView::recompose() {
  const QRect client(0, 0, layout_.clientWidth(), layout_.clientHeight());
  const qreal ratio = devicePixelRatio();
  composed_ = QImage(client.size() * ratio, QImage::Format_RGB32);
  composed_.setDevicePixelRatio(ratio);
  compose(client);
}

void BoardView::compose(const QRect& area) {
  QPainter painter(&composed_);
  painter.setClipRect(area);
  auto place = [&](int picture, const kit::Rect& where) {
    const QRect target = toQRect(where);
    if (target.intersects(area)) painter.drawPixmap(target, pictures_.pixmap(picture));
  };
  for (const kit::Piece& piece : layout_.background()) place(piece.picture, piece.rect);
  place(drawnSmile_, layout_.smileRect(smileSize()));
  for (int i = 1; i <= drawnElements(); ++i) place(drawnBox_[static_cast<std::size_t>(i)], layout_.boxRect(i));
}

void BoardView::sync() {
  if (drawnLoads_ != game_.loads) {
    relayout();
    return;
  }
  std::optional<accessible::ChangeReport> report;
  if (QAccessible::isActive()) report.emplace(*this);
  // A smaller face uncovers the band behind the larger one.
  if (drawnSmile_ != game_.smile) {
    if (report) report->face();
    const QRect was = toQRect(layout_.smileRect(smileSize()));
    drawnSmile_ = game_.smile;
    const QRect area = was | toQRect(layout_.smileRect(smileSize()));
    compose(area);
    update(area);
  }
  // Cells and digits lie in front of everything else: each is drawn alone.
  QPainter painter;
  for (int i = 1; i <= game_.elements(); ++i) {
    const auto slot = static_cast<std::size_t>(i);
    if (drawnBox_[slot] == game_.box[slot]) continue;
    if (report) report->box(i, drawnBox_[slot]);
    drawnBox_[slot] = game_.box[slot];
    const QRect where = toQRect(layout_.boxRect(i));
    if (!painter.isActive()) painter.begin(&composed_);
    painter.drawPixmap(where, pictures_.pixmap(drawnBox_[slot]));
    update(where);
  }
  if (report) report->send();
}

void BoardView::paintEvent(QPaintEvent* event) {
  const qreal ratio = devicePixelRatio();
  if (composed_.devicePixelRatio() != ratio) recompose();  // moved to a screen of another density
  const QRect dirty = event->rect();
  QPainter painter(this);
  painter.drawImage(dirty, composed_, QRectF(QPointF(dirty.topLeft()) * ratio, QSizeF(dirty.size()) * ratio));
  if (cursorShown_) {
    const kit::Rect cell = layout_.boxRect(cursorCell());
    if (dirty.intersects(toQRect(cell))) drawCursor(painter, composed_, toQRect(cell));
  }
}

bool BoardView::event(QEvent* event) {
  // Qt drops the mouse events of a window that a modal box blocks, or that
  // is disabled or hidden: the release the capture waits for never comes.
  const QEvent::Type type = event->type();
  if (type == QEvent::WindowBlocked || type == QEvent::EnabledChange || type == QEvent::Hide) letGo();
  // The focus comes back to the board when its window takes input again,
  // after a dialog for instance.
  if (type == QEvent::EnabledChange && isEnabled() && window()->focusWidget() == nullptr) setFocus();
  return QWidget::event(event);
}

void BoardView::letGo() {
  heldButtons_ = {};  // their releases are lost too
  if (!holding()) return;
  capturing_ = false;
  // The face's press has already begun a new game (the mines are to be
  // laid afresh); make the new board it promised rather than leave the old
  // one half reset.
  if (captured_.kind == kit::Element::kSmile) {
    game_.Smile_MouseUp();
    emit played();
  }
}

// Whether a capture is on. A new board ends it: its cells are not the ones
// pressed.
bool BoardView::holding() {
  if (capturedLoads_ != game_.loads) capturing_ = false;
  return capturing_;
}

void BoardView::press(kit::Element target, int button) {
  if (!holding()) {
    captured_ = target;
    capturedLoads_ = game_.loads;
    capturing_ = true;
  }
  if (captured_.kind == kit::Element::kBox) game_.Box_MouseDown(captured_.index, button);
  if (captured_.kind == kit::Element::kSmile) game_.Smile_MouseDown();
  emit played();
}

void BoardView::release(int button) {
  const kit::Element target = captured_;
  if (heldButtons_ == Qt::NoButton && heldKeys_ == 0) capturing_ = false;
  if (target.kind == kit::Element::kBox) game_.Box_MouseUp(target.index, button);
  if (target.kind == kit::Element::kSmile) game_.Smile_MouseUp();
  emit played();
}

void BoardView::act(kit::Element target, int button) {
  if (!isEnabled() || QApplication::activeModalWidget() != nullptr || holding()) return;
  press(target, button);
  release(button);
}

void BoardView::mousePressEvent(QMouseEvent* event) {
  if (cursorShown_) {
    cursorShown_ = false;
    updateCursor();
  }
  heldButtons_ = event->buttons() & kKnownButtons;
  const int button = buttonNumber(event->button());
  if (button == 0) return;
  const QPoint at = event->position().toPoint();
  press(layout_.elementAt(at.x(), at.y(), smileSize()), button);
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
  heldButtons_ = event->buttons() & kKnownButtons;
  const int button = buttonNumber(event->button());
  if (button == 0 || !holding()) return;
  release(button);
}

void BoardView::keyPressEvent(QKeyEvent* event) {
  if ((event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0) {
    QWidget::keyPressEvent(event);  // the menus' keys
    return;
  }
  const int x = cursor_.x(), y = cursor_.y();
  switch (event->key()) {
    case Qt::Key_Left:
      return moveCursor(x - 1, y);
    case Qt::Key_Right:
      return moveCursor(x + 1, y);
    case Qt::Key_Up:
      return moveCursor(x, y - 1);
    case Qt::Key_Down:
      return moveCursor(x, y + 1);
    case Qt::Key_Home:
      return moveCursor(0, y);
    case Qt::Key_End:
      return moveCursor(layout_.across() - 1, y);
    case Qt::Key_PageUp:
      return moveCursor(x, 0);
    case Qt::Key_PageDown:
      return moveCursor(x, layout_.down() - 1);
    default:
      break;
  }
  const int bit = actionBit(event->key());
  if (bit == 0) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (event->isAutoRepeat()) return;  // one action per key press
  if (!cursorShown_) {
    cursorShown_ = true;
    updateCursor();
  }
  heldKeys_ |= bit;
  press({kit::Element::kBox, cursorCell()}, actionButton(bit));
}

void BoardView::keyReleaseEvent(QKeyEvent* event) {
  const int bit = actionBit(event->key());
  // A key whose press the board did not take is not the board's to release.
  if (bit == 0 || event->isAutoRepeat() || (heldKeys_ & bit) == 0) {
    QWidget::keyReleaseEvent(event);
    return;
  }
  heldKeys_ &= ~bit;
  if (holding()) release(actionButton(bit));
}

void BoardView::focusInEvent(QFocusEvent* /*event*/) {
  // After the board's own focus, which Qt reports once this returns.
  if (QAccessible::isActive()) {
    QMetaObject::invokeMethod(this, [this] { accessible::reportCursor(*this); }, Qt::QueuedConnection);
  }
}

void BoardView::focusOutEvent(QFocusEvent* /*event*/) {
  // The released keys will go elsewhere; a capture held by keys alone ends.
  if (heldKeys_ == 0) return;
  heldKeys_ = 0;
  if (heldButtons_ == Qt::NoButton) letGo();
}

void BoardView::moveCursor(int x, int y) {
  updateCursor();
  cursor_ = {std::clamp(x, 0, layout_.across() - 1), std::clamp(y, 0, layout_.down() - 1)};
  cursorShown_ = true;
  updateCursor();
  if (QAccessible::isActive()) accessible::reportCursor(*this);
}

void BoardView::updateCursor() { update(toQRect(layout_.boxRect(cursorCell()))); }

}  // namespace klandor::ui
