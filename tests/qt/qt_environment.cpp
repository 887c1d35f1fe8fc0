// The QApplication of the Qt-side tests: made before the first test and
// destroyed after the last, while the rest of Qt is still there. Like the
// game, it speaks the language of the locale the tests run in.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "qt/translations/language.h"

namespace {

class QtEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    app_ = std::make_unique<QApplication>(argc_, argv_);
    translation_ = std::make_unique<klandor::Translation>(klandor::playerLocale());
  }
  void TearDown() override {
    translation_.reset();
    app_.reset();
  }

 private:
  int argc_ = 1;
  char name_[16] = "klandor_test";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
  std::unique_ptr<klandor::Translation> translation_;
};

[[maybe_unused]] testing::Environment* const environment = testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
