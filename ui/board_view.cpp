#include "ui/board_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace klandor::ui {

namespace {
QRect toQRect(const Rect& r) { return {r.x, r.y, r.w, r.h}; }

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
}  // namespace

BoardView::BoardView(Game& game, QWidget* parent)
    : QWidget(parent), game_(game), layout_(game.m.across, game.m.down) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  relayout();
}

int BoardView::smileSize() { return pictures_.pixmap(drawnSmile_).width(); }

int BoardView::drawnElements() const { return layout_.across() * layout_.down() + kDigitCells; }

void BoardView::relayout() {
  layout_ = Layout(game_.m.across, game_.m.down);
  setFixedSize(layout_.clientWidth(), layout_.clientHeight());
  drawnBox_ = game_.box;
  drawnSmile_ = game_.smile;
  drawnLoads_ = game_.loads;
  recompose();
  update();
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
  auto place = [&](int picture, const Rect& where) {
    const QRect target = toQRect(where);
    if (target.intersects(area)) painter.drawPixmap(target, pictures_.pixmap(picture));
  };
  for (const Piece& piece : layout_.background()) place(piece.picture, piece.rect);
  place(drawnSmile_, layout_.smileRect(smileSize()));
  for (int i = 1; i <= drawnElements(); ++i) place(drawnBox_[static_cast<std::size_t>(i)], layout_.boxRect(i));
}

void BoardView::sync() {
  if (drawnLoads_ != game_.loads) {
    relayout();
    return;
  }
  // A smaller face uncovers the band behind the larger one.
  if (drawnSmile_ != game_.smile) {
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
    drawnBox_[slot] = game_.box[slot];
    const QRect where = toQRect(layout_.boxRect(i));
    if (!painter.isActive()) painter.begin(&composed_);
    painter.drawPixmap(where, pictures_.pixmap(drawnBox_[slot]));
    update(where);
  }
}

void BoardView::paintEvent(QPaintEvent* event) {
  const qreal ratio = devicePixelRatio();
  if (composed_.devicePixelRatio() != ratio) recompose();  // moved to a screen of another density
  const QRect dirty = event->rect();
  QPainter(this).drawImage(dirty, composed_, QRectF(QPointF(dirty.topLeft()) * ratio, QSizeF(dirty.size()) * ratio));
}

bool BoardView::event(QEvent* event) {
  // Qt drops the mouse events of a window that a modal box blocks, or that
  // is disabled or hidden: the release the capture waits for never comes.
  const QEvent::Type type = event->type();
  if (type == QEvent::WindowBlocked || type == QEvent::EnabledChange || type == QEvent::Hide) letGo();
  return QWidget::event(event);
}

void BoardView::letGo() {
  if (!holding()) return;
  capturing_ = false;
  // The face's press has already begun a new game (the mines are to be
  // laid afresh); make the new board it promised rather than leave the old
  // one half reset.
  if (captured_.kind == Element::kSmile) {
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

void BoardView::mousePressEvent(QMouseEvent* event) {
  const int button = buttonNumber(event->button());
  if (button == 0) return;
  if (!holding()) {
    const QPoint at = event->position().toPoint();
    captured_ = layout_.elementAt(at.x(), at.y(), smileSize());
    capturedLoads_ = game_.loads;
    capturing_ = true;
  }
  if (captured_.kind == Element::kBox) game_.Box_MouseDown(captured_.index, button);
  if (captured_.kind == Element::kSmile) game_.Smile_MouseDown();
  emit played();
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
  const int button = buttonNumber(event->button());
  if (button == 0 || !holding()) return;
  const Element target = captured_;
  const Qt::MouseButtons known = Qt::LeftButton | Qt::RightButton | Qt::MiddleButton;
  if ((event->buttons() & known) == 0) capturing_ = false;
  if (target.kind == Element::kBox) game_.Box_MouseUp(target.index, button);
  if (target.kind == Element::kSmile) game_.Smile_MouseUp();
  emit played();
}

}  // namespace klandor::ui
