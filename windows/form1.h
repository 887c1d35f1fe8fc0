#pragma once
// The main window: the menu bar, the board painted from one composed
// bitmap, and the clock's timer, over one session of the game. Menu items go
// to the session, the board's mouse and keys to the front-end kit;
// afterwards the window mirrors the game (pictures, check marks, whether the
// clock runs, its size). It makes the dialogs' windows for the session and
// answers its boxes.

#include "windows/win32.h"

#include <memory>
#include <vector>

#include "core/game.h"
#include "kit/front.h"
#include "kit/session.h"
#include "kit/window.h"
#include "windows/back_buffer.h"
#include "windows/board_automation.h"
#include "windows/game_dialog.h"
#include "windows/menu_bar.h"

namespace klandor::win {

class Form1 final : public kit::Shell {
 public:
  // Makes the window, hidden, centred on the screen.
  Form1(kit::Session& session, HINSTANCE instance);
  ~Form1() override;
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  HWND hwnd() const { return hwnd_; }
  kit::Session& session() const { return session_; }
  // The window of a dialog, once made.
  GameDialog* dialog(const kit::Dialog& dialog) const;

  // Brings the window up to the game after the game changed.
  void sync();

  // The session's shell.
  void syncWindow() override { sync(); }
  kit::DialogView& makeDialog(kit::Dialog& dialog) override;
  void quit() override;

  // Hands a message of the thread's loop to an open dialog's keys, then to
  // the menu's shortcut keys while the window takes input; true when one
  // took it.
  bool translate(MSG& message);

  // What the client area shows now, for tests.
  const BackBuffer& composed() const { return buffer_; }
  const MenuBar& menus() const { return menus_; }
  const kit::Front& front() const { return front_; }
  BoardAutomation& automation() { return automation_; }

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

  // The board's mouse and keys, forwarded to the kit.
  void mouse(UINT message, WPARAM wParam, LPARAM lParam);
  bool key(UINT message, WPARAM wParam, LPARAM lParam);
  // What the kit made of an event: after a press or release the whole
  // window syncs, after anything else it took only the board.
  void take(kit::Outcome outcome);

  // The board brought up to the game: a new board composes a fresh bitmap
  // whole; otherwise the areas that changed are composed and their dirty
  // rectangle repainted.
  void syncBoard();
  // A fresh bitmap at the window's scale, composed whole.
  void relayout();
  void compose(const kit::Rect& area);
  RECT device(const kit::Rect& r) const;
  // The window's size follows the board's and the scale, about its centre.
  void fitToBoard();
  void paint();

  kit::Session& session_;
  Game& game_;
  kit::Front front_;
  HWND hwnd_ = nullptr;
  MenuBar menus_;
  kit::WindowState window_;
  BackBuffer buffer_;
  UINT dpi_ = 96;
  bool releasing_ = false;  // the window lets the mouse go itself
  std::vector<std::pair<const kit::Dialog*, std::unique_ptr<GameDialog>>> dialogs_;
  // The board for assistive tools.
  BoardAutomation automation_{front_};
};

}  // namespace klandor::win
