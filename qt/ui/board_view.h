#pragma once
// The one painted surface of the main window: frame, counters, face, cells.
// It hands the mouse, the keys of its cell cursor and the assistive tools'
// actions to the kit, which plays them on the game, and paints what the kit's
// draw state holds.

#include <QImage>
#include <QWidget>

#include "core/game.h"
#include "kit/front.h"
#include "qt/images/picture_cache.h"

namespace klandor::ui {

// Draws the keyboard cursor on the cell `cell` (in pixels at scale 1), each
// dot as it stands out from the pixel of `under` it covers.
void drawCursor(QPainter& painter, const QImage& under, const QRect& cell);

class BoardView : public QWidget {
  Q_OBJECT

 public:
  explicit BoardView(Game& game, QWidget* parent = nullptr);

  const kit::Front& front() const { return front_; }
  const Game& game() const { return front_.game(); }
  const kit::Layout& layout() const { return front_.layout(); }

  // Brings the screen up to the game: a new layout after a load, otherwise
  // a repaint of just what changed.
  void sync();

  // The cell of the keyboard cursor, and whether it is drawn.
  int cursorCell() const { return front_.cursorCell(); }
  bool cursorShown() const { return front_.cursor().shown; }

  // An assistive tool's action: a press and release of `button` on the
  // element, as a click of the mouse there. Nothing happens while the window
  // takes no input, or while a press on the board waits for its release.
  void act(kit::Element target, int button);

 signals:
  // A press or release, of the mouse, a key or an assistive tool, has been
  // handed to the game.
  void played();

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // After an event went to the kit: the window follows the game when it was
  // played, the board alone when the event was merely taken.
  void take(kit::Outcome outcome);
  // Composes the whole client area afresh at the screen's density.
  void recompose();
  // Draws the scene on `area` into the composed image.
  void compose(QPainter& painter, const QRect& area);

  kit::Front front_;
  images::PictureCache pictures_;
  // The client area composed at the screen's density: a paint only copies
  // from it.
  QImage composed_;
};

}  // namespace klandor::ui
