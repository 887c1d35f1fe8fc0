#pragma once
// The real main window over a whole run of the game, offscreen, with a
// fixed seed.

#include <memory>

#include "qt/ui/form1.h"
#include "tests/kit/session_fixture.h"

namespace klandor::test {

class WindowTest : public SessionTest {
 protected:
  void SetUp() override {
    form = std::make_unique<ui::Form1>(session);
    form->show();
  }
  void TearDown() override { form.reset(); }

  std::unique_ptr<ui::Form1> form;
};

}  // namespace klandor::test
