#pragma once
// The one painted surface of the main window: frame, counters, face, cells.
// It paints what the game holds and forwards the mouse, and the keys of its
// cell cursor, to the element concerned; the game decides everything.

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <array>

#include "core/game.h"
#include "qt/images/picture_cache.h"
#include "kit/input.h"
#include "kit/layout.h"

namespace klandor::ui {

// Draws the keyboard cursor on the cell `cell` (in pixels at scale 1): a
// dotted square 2 pixels in from the cell's edges, each dot black or white,
// whichever stands out from the pixel of `under` it covers.
void drawCursor(QPainter& painter, const QImage& under, const QRect& cell);

class BoardView : public QWidget {
  Q_OBJECT

 public:
  explicit BoardView(Game& game, QWidget* parent = nullptr);

  const Game& game() const { return game_; }
  const kit::Layout& layout() const { return layout_; }

  // Brings the screen up to the game: a new layout after a load, otherwise
  // a repaint of just the elements whose pictures changed.
  void sync();

  // The cell of the keyboard cursor, and whether it is drawn: only once a
  // key has moved it or acted, until the next mouse press.
  int cursorCell() const { return cursor_.cell(layout_); }
  bool cursorShown() const { return cursor_.shown; }

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
  // The size of the face as drawn now (the initial face is one pixel larger).
  int smileSize();
  int drawnElements() const;
  void relayout();
  // After an event went to the board's input: the window follows the game
  // when it was played.
  void take(bool gamePlayed);
  // Ends a capture whose release can no longer come.
  void letGo();
  void updateCursor();
  // Composes the whole client area afresh at the screen's density.
  void recompose();
  // Draws every element on `area` into the composed image, back to front.
  void compose(const QRect& area);

  Game& game_;
  kit::Layout layout_;
  images::PictureCache pictures_;

  // What the screen shows now, to find what changed, and the client area
  // composed from it at the screen's density: a paint only copies from it.
  std::array<int, kMaxElements> drawnBox_{};
  int drawnSmile_ = 0;
  unsigned drawnLoads_ = 0;
  QImage composed_;

  // The capture, the held buttons and keys.
  kit::Input input_;
  kit::Cursor cursor_;
};

}  // namespace klandor::ui
