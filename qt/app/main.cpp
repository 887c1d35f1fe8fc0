// Klandor: starts the game on Beginner with the colour tiles, in the
// player's language. It takes no arguments; the best times live in the
// user's data folder.
#include <QApplication>

#include "kit/session.h"
#include "qt/dialogs/qt_prompts.h"
#include "qt/translations/language.h"
#include "qt/ui/form1.h"
#include "records/best_file.h"

int main(int argc, char* argv[]) {
  // Whole scale factors only: every picture pixel becomes a square block.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
  QApplication app(argc, argv);
  QApplication::setApplicationName("Klandor");
  QGuiApplication::setDesktopFileName("org.klandor.Klandor");
  const klandor::Translation translation(klandor::playerLocale());

  klandor::QtPrompts prompts;
  klandor::kit::Session session({klandor::bestTimesPath(), klandor::settingsPath()}, prompts);
  klandor::ui::Form1 window(session);
  window.show();
  return QApplication::exec();
}
