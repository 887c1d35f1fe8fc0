#pragma once
// The main window: the menu bar, the painted board and the clock's timer,
// over one session of the game. Every menu item goes to the session; after
// anything changed, the window mirrors the game (pictures, check marks,
// whether the clock runs, its size). It makes the dialogs' windows for the
// session and answers its boxes.

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <memory>
#include <vector>

#include "core/game.h"
#include "core/menu.h"
#include "kit/session.h"
#include "kit/window.h"

class QAction;

namespace klandor {
class GameDialog;
}

namespace klandor::ui {

class BoardView;

class Form1 : public QMainWindow, public kit::Shell {
  Q_OBJECT

 public:
  explicit Form1(kit::Session& session, QWidget* parent = nullptr);
  ~Form1() override;

  kit::Session& session() const { return session_; }
  QAction* action(Menu item) const { return actions_[static_cast<std::size_t>(item)]; }
  BoardView* board() const { return board_; }
  const QTimer& second() const { return second_; }
  // The window of a dialog, once made.
  GameDialog* dialog(const kit::Dialog& dialog) const;

  // Brings the window up to the game after the game changed.
  void sync();

  // The session's shell.
  void syncWindow() override { sync(); }
  kit::DialogView& makeDialog(kit::Dialog& dialog) override;
  void quit() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  void fitToBoard();

  kit::Session& session_;
  Game& game_;
  BoardView* board_;
  QTimer second_;
  kit::WindowState window_;
  bool opened_ = false;
  std::array<QAction*, kMenuItems> actions_{};
  std::vector<std::pair<const kit::Dialog*, GameDialog*>> dialogs_;
};

}  // namespace klandor::ui
