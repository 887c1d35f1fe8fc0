#pragma once
// The one painted surface of the main window: frame, counters, face, cells.
// It paints what the game holds and forwards the mouse to the element under
// it; the game decides everything.

#include <QImage>
#include <QWidget>
#include <array>

#include "core/game.h"
#include "images/picture_cache.h"
#include "ui/layout.h"

namespace klandor::ui {

class BoardView : public QWidget {
  Q_OBJECT

 public:
  explicit BoardView(Game& game, QWidget* parent = nullptr);

  const Layout& layout() const { return layout_; }

  // Brings the screen up to the game: a new layout after a load, otherwise
  // a repaint of just the elements whose pictures changed.
  void sync();

 signals:
  // A mouse event has been handed to the game.
  void played();

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // The size of the face as drawn now (the initial face is one pixel larger).
  int smileSize();
  int drawnElements() const;
  void relayout();
  bool holding();
  // Ends a capture whose release can no longer come.
  void letGo();
  // Composes the whole client area afresh at the screen's density.
  void recompose();
  // Draws every element on `area` into the composed image, back to front.
  void compose(const QRect& area);

  Game& game_;
  Layout layout_;
  images::PictureCache pictures_;

  // What the screen shows now, to find what changed, and the client area
  // composed from it at the screen's density: a paint only copies from it.
  std::array<int, kMaxElements> drawnBox_{};
  int drawnSmile_ = 0;
  unsigned drawnLoads_ = 0;
  QImage composed_;

  // The element that took the first press keeps every press and release
  // until the last button is up, or until the board can no longer get that
  // release: a modal box over the window, the window disabled or hidden, a
  // new board.
  Element captured_;
  bool capturing_ = false;
  unsigned capturedLoads_ = 0;  // the board the capture was taken on
};

}  // namespace klandor::ui
