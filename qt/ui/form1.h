#pragma once
// The main window: the menu bar, the painted board and the clock's timer.
// Every command goes to the game; afterwards the window mirrors the game's
// state (pictures, check marks, whether the clock runs).

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>

#include "core/game.h"
#include "core/menu.h"
#include "kit/window.h"

class QAction;

namespace klandor::ui {

class BoardView;

class Form1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit Form1(Game& game, QWidget* parent = nullptr);

  // Commands that open other windows; the owner fills them in. About
  // defaults to the information box.
  std::function<void()> onBest;
  std::function<void()> onCustom;
  std::function<void()> onAbout;

  // Brings the window up to the game after the game changed.
  void sync();

  // The Custom Field's OK: a new Custom board of this size.
  void customFieldOk(int across, int down, int totalmines);

  QAction* action(Menu item) const { return actions_[static_cast<std::size_t>(item)]; }
  BoardView* board() const { return board_; }
  const QTimer& second() const { return second_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void buildMenus();
  void run(void (Game::*command)());
  void mnuAbout_Click();
  void fitToBoard();

  Game& game_;
  BoardView* board_;
  QTimer second_;
  kit::WindowState window_;
  bool opened_ = false;
  std::array<QAction*, kMenuItems> actions_{};
};

}  // namespace klandor::ui
