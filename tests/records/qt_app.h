#pragma once
// One QApplication for the dialog tests, made at first use.

#include <QApplication>

namespace klandor::test {

inline QApplication& qtApp() {
  static int argc = 1;
  static char name[] = "records_qt_test";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return app;
}

}  // namespace klandor::test
