#pragma once
// The Custom Field dialog: the width, height and mine count of the Custom
// level. Made at its first opening (the constructor is its Load, which
// fills the boxes from the settings), afterwards only hidden and shown
// again. Only OK changes anything; Cancel and closing it leave the game as
// it was.

#include <functional>

#include "core/module1.h"
#include "windows/dialog.h"

namespace klandor::win {

class Form3 final : public Dialog {
 public:
  // Receives the limited values after OK; the game switches to the Custom
  // level and starts a new board with them.
  using Accept = std::function<void(int across, int down, int totalmines)>;

  Form3(const Module1& settings, HWND mainWindow, Accept accept);

  // The Custom command: disables the main window and shows the dialog.
  void mnuCustom_Click();

  HWND Acr = nullptr;
  HWND Dwn = nullptr;
  HWND TM = nullptr;

 private:
  bool init() override;
  bool command(int id, int code) override;
  void closeByFrame() override;

  void OK_Click();
  void Cancel_Click();

  const Module1& settings_;
  Accept accept_;
};

}  // namespace klandor::win
