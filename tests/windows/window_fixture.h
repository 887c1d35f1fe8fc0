#pragma once
// The real main window under Wine, hidden, over a whole run of the game
// with a fixed seed.

#include <memory>

#include "tests/kit/session_fixture.h"
#include "windows/form1.h"

namespace klandor::test {

class WindowTest : public SessionTest {
 protected:
  void SetUp() override { form = std::make_unique<win::Form1>(session, GetModuleHandleW(nullptr)); }
  void TearDown() override { form.reset(); }

  HWND main() const { return form->hwnd(); }
  void choose(Menu item) { SendMessageW(main(), WM_COMMAND, win::MenuBar::command(item), 0); }
  win::GameDialog& view(const kit::Dialog& dialog) { return *form->dialog(dialog); }
  // A button of a dialog, clicked.
  void click(const kit::Dialog& dialog, int control) {
    win::GameDialog& v = view(dialog);
    SendMessageW(v.hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(v.control(control)), BN_CLICKED), 0);
  }

  std::unique_ptr<win::Form1> form;
};

}  // namespace klandor::test
