#include "qt/ui/board_view.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <optional>

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

}  // namespace

void drawCursor(QPainter& painter, const QImage& under, const QRect& cell) {
  const qreal ratio = under.devicePixelRatio();
  auto grey = [&](int x, int y) { return qGray(under.pixel(static_cast<int>(x * ratio), static_cast<int>(y * ratio))); };
  for (const kit::Dot& dot : kit::cursorDots({cell.x(), cell.y(), cell.width(), cell.height()}, grey))
    painter.fillRect(QRect(dot.x, dot.y, 1, 1), dot.white ? Qt::white : Qt::black);
}

BoardView::BoardView(Game& game, QWidget* parent) : QWidget(parent), front_(game) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  accessible::install();
  sync();
}

void BoardView::recompose() {
  const QRect client = toQRect(layout().client());
  const qreal ratio = devicePixelRatio();
  composed_ = QImage(client.size() * ratio, QImage::Format_RGB32);
  composed_.setDevicePixelRatio(ratio);
  QPainter painter(&composed_);
  compose(painter, client);
}

void BoardView::compose(QPainter& painter, const QRect& area) {
  painter.setClipRect(area);
  front_.scene({area.x(), area.y(), area.width(), area.height()}, [&](int picture, const kit::Rect& where) {
    painter.drawPixmap(toQRect(where), pictures_.pixmap(picture));
  });
}

void BoardView::sync() {
  const kit::Changes changes = front_.sync();
  if (changes.newLayout) {
    setFixedSize(layout().clientWidth(), layout().clientHeight());
    recompose();
    update();
  } else if (!changes.areas.empty()) {
    QPainter painter(&composed_);
    for (const kit::Rect& area : changes.areas) {
      compose(painter, toQRect(area));
      update(toQRect(area));
    }
  }
  if (QAccessible::isActive()) accessible::report(*this, changes);
}

void BoardView::paintEvent(QPaintEvent* event) {
  const qreal ratio = devicePixelRatio();
  if (composed_.devicePixelRatio() != ratio) recompose();  // moved to a screen of another density
  const QRect dirty = event->rect();
  QPainter painter(this);
  painter.drawImage(dirty, composed_, QRectF(QPointF(dirty.topLeft()) * ratio, QSizeF(dirty.size()) * ratio));
  const QRect cursor = toQRect(front_.cursorRect());
  if (!cursor.isEmpty() && dirty.intersects(cursor)) drawCursor(painter, composed_, cursor);
}

bool BoardView::event(QEvent* event) {
  // Qt drops the mouse events of a window that a modal box blocks, or that
  // is disabled or hidden: the release the capture waits for never comes.
  const QEvent::Type type = event->type();
  if (type == QEvent::WindowBlocked || type == QEvent::EnabledChange || type == QEvent::Hide) take(front_.letGo());
  // The focus comes back to the board when its window takes input again,
  // after a dialog for instance.
  if (type == QEvent::EnabledChange && isEnabled() && window()->focusWidget() == nullptr) setFocus();
  return QWidget::event(event);
}

void BoardView::take(kit::Outcome outcome) {
  if (outcome.played) {
    emit played();
  } else if (outcome.taken) {
    sync();
  }
}

void BoardView::act(kit::Element target, int button) {
  if (!isEnabled() || QApplication::activeModalWidget() != nullptr) return;
  take(front_.act(target, button));
}

void BoardView::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  take(front_.mouseDown(at.x(), at.y(), buttonNumber(event->button()), buttonNumbers(event->buttons())));
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
  take(front_.mouseUp(buttonNumber(event->button()), buttonNumbers(event->buttons())));
}

void BoardView::keyPressEvent(QKeyEvent* event) {
  // Keys with Ctrl, Alt or Meta are the menus'.
  const bool menus = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
  const std::optional<kit::Key> key = menus ? std::nullopt : boardKey(event->key());
  const kit::Outcome outcome = key ? front_.keyDown(*key, event->isAutoRepeat()) : kit::Outcome{};
  if (!outcome.taken) QWidget::keyPressEvent(event);
  take(outcome);
}

void BoardView::keyReleaseEvent(QKeyEvent* event) {
  const std::optional<kit::Key> key = boardKey(event->key());
  const kit::Outcome outcome = key ? front_.keyUp(*key, event->isAutoRepeat()) : kit::Outcome{};
  if (!outcome.taken) QWidget::keyReleaseEvent(event);
  take(outcome);
}

void BoardView::focusInEvent(QFocusEvent* /*event*/) {
  // After the board's own focus, which Qt reports once this returns.
  if (QAccessible::isActive()) {
    QMetaObject::invokeMethod(this, [this] { accessible::reportCursor(*this); }, Qt::QueuedConnection);
  }
}

void BoardView::focusOutEvent(QFocusEvent* /*event*/) { take(front_.focusLost()); }

}  // namespace klandor::ui
