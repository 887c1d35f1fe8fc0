#pragma once
// What the game's dialogs share: a dialog window of the system's own kind,
// its controls placed in pixels (the layouts' twips over 15) at the main
// window's whole-number scale, in the system's dialog font for that screen.
// A dialog is laid out again at every opening and whenever it moves to a
// screen of another density; its controls keep their texts. The Best Times
// and Custom Field dialogs stand over the main window, which is disabled
// while one is open; closing one through its frame or with Escape runs
// closeByFrame().

#include <string>
#include <vector>

#include "windows/win32.h"

namespace klandor::win {

// Positions and sizes of the dialog layouts are given in twips, 15 to a pixel.
constexpr int px(int twips) { return (twips + 7) / 15; }

class Dialog {
 public:
  virtual ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  HWND hwnd() const { return hwnd_; }
  // Hands a message of the thread's loop to the dialog's keys (Tab, Enter,
  // Escape, access keys); true when the dialog took it.
  bool dialogMessage(MSG& message);

 protected:
  // A client area of width x height pixels at scale 1.
  Dialog(HWND mainWindow, int clientWidth, int clientHeight);

  // Makes the window, hidden, with its controls (made by init()).
  void create(const std::wstring& title);
  // Runs the dialog modally over the main window until end(); its result.
  INT_PTR runModal(const std::wstring& title);
  void end(INT_PTR result);

  // Makes the controls; true when it gave one the focus itself (otherwise
  // the first that takes Tab has it).
  virtual bool init() = 0;
  // A button's click or a control's notification; false when not handled.
  virtual bool command(int id, int code) = 0;
  // Closing through the frame, the system menu or Escape.
  virtual void closeByFrame() = 0;
  // Any other message; false when not handled.
  virtual bool message(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, INT_PTR& /*result*/) {
    return false;
  }
  // The dialog's scale changed after init(): what it draws itself follows.
  virtual void rescaled() {}

  // A child control at (x, y), w x h pixels at scale 1, in the dialog font.
  HWND control(const wchar_t* kind, const std::wstring& text, DWORD style, int id, int x, int y, int w, int h);
  // Sizes a label to its text, at its place, and again at every new layout.
  void fitToText(HWND label);

  // Disables the main window and shows the dialog in front of it, centred
  // over it; hides the dialog and enables the main window again.
  void showOverMainWindow();
  void hideToMainWindow();

  HWND mainWindow() const { return mainWindow_; }
  int scale() const { return scale_; }

 private:
  static INT_PTR CALLBACK dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR setUp(HWND hwnd);
  void centreOverMainWindow();
  // The dialog's size, its controls' places and their font for a screen of
  // this density.
  void layOut(UINT dpi);

  // A control as made, at scale 1, to be placed again at another scale.
  struct Placed {
    HWND window;
    int x, y, w, h;
    bool fitsText;
  };

  HWND mainWindow_;
  HWND hwnd_ = nullptr;
  int clientWidth_, clientHeight_;
  std::wstring title_;
  int scale_ = 1;
  HFONT font_ = nullptr;
  bool modal_ = false;
  std::vector<Placed> controls_;
};

// The text of a window or control, UTF-8.
std::string windowText(HWND window);

}  // namespace klandor::win
