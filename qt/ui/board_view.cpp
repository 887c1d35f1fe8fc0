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

int buttonNumbers(Qt::MouseButtons buttons) {
  int held = 0;
  for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
    if (buttons.testFlag(b)) held |= buttonNumber(b);
  return held;
}

// The board's name for a key, if it takes the key.
std::optional<kit::Key> boardKey(int key) {
  switch (key) {
    case Qt::Key_Left:
      return kit::Key::kLeft;
    case Qt::Key_Right:
      return kit::Key::kRight;
    case Qt::Key_Up:
      return kit::Key::kUp;
    case Qt::Key_Down:
      return kit::Key::kDown;
    case Qt::Key_Home:
      return kit::Key::kHome;
    case Qt::Key_End:
      return kit::Key::kEnd;
    case Qt::Key_PageUp:
      return kit::Key::kPageUp;
    case Qt::Key_PageDown:
      return kit::Key::kPageDown;
    case Qt::Key_Space:
      return kit::Key::kSpace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return kit::Key::kEnter;
    case Qt::Key_F:
      return kit::Key::kF;
    default:
      return std::nullopt;
  }
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
    : QWidget(parent), game_(game), layout_(game.m.across, game.m.down), input_(game) {
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
  cursor_.fit(layout_);
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
  if (cursor_.shown) {
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

void BoardView::take(bool gamePlayed) {
  if (gamePlayed) emit played();
}

void BoardView::letGo() {
  const unsigned plays = input_.plays();
  input_.letGo();
  take(input_.plays() != plays);
}

void BoardView::act(kit::Element target, int button) {
  if (!isEnabled() || QApplication::activeModalWidget() != nullptr) return;
  take(input_.act(target, button));
}

void BoardView::mousePressEvent(QMouseEvent* event) {
  if (cursor_.shown) {
    cursor_.shown = false;
    updateCursor();
  }
  const int button = buttonNumber(event->button());
  const QPoint at = event->position().toPoint();
  const unsigned plays = input_.plays();
  input_.mouseDown(layout_.elementAt(at.x(), at.y(), smileSize()), button, buttonNumbers(event->buttons()));
  take(input_.plays() != plays);
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
  const unsigned plays = input_.plays();
  input_.mouseUp(buttonNumber(event->button()), buttonNumbers(event->buttons()));
  take(input_.plays() != plays);
}

void BoardView::keyPressEvent(QKeyEvent* event) {
  const bool menus = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
  const std::optional<kit::Key> key = menus ? std::nullopt : boardKey(event->key());
  if (!key) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (kit::actionButton(*key) == 0) {
    updateCursor();
    cursor_.move(*key, layout_);
    updateCursor();
    if (QAccessible::isActive()) accessible::reportCursor(*this);
    return;
  }
  if (event->isAutoRepeat()) return;  // one action per key press
  if (!cursor_.shown) {
    cursor_.shown = true;
    updateCursor();
  }
  input_.keyDown(*key, cursorCell());
  emit played();
}

void BoardView::keyReleaseEvent(QKeyEvent* event) {
  const std::optional<kit::Key> key = boardKey(event->key());
  // A key whose press the board did not take is not the board's to release.
  const unsigned plays = input_.plays();
  if (!key || event->isAutoRepeat() || !input_.keyUp(*key)) {
    QWidget::keyReleaseEvent(event);
    return;
  }
  take(input_.plays() != plays);
}

void BoardView::focusInEvent(QFocusEvent* /*event*/) {
  // After the board's own focus, which Qt reports once this returns.
  if (QAccessible::isActive()) {
    QMetaObject::invokeMethod(this, [this] { accessible::reportCursor(*this); }, Qt::QueuedConnection);
  }
}

void BoardView::focusOutEvent(QFocusEvent* /*event*/) {
  const unsigned plays = input_.plays();
  input_.focusLost();
  take(input_.plays() != plays);
}

void BoardView::updateCursor() { update(toQRect(layout_.boxRect(cursorCell()))); }

}  // namespace klandor::ui
