// Klandor: starts the game on Beginner with the colour tiles.
#include <QApplication>

#include "core/game.h"
#include "core/module1.h"
#include "core/random.h"
#include "ui/form1.h"

int main(int argc, char* argv[]) {
  // Whole scale factors only: every picture pixel becomes a square block.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
  QApplication app(argc, argv);
  QApplication::setApplicationName("Klandor");
  QGuiApplication::setDesktopFileName("org.klandor.Klandor");

  klandor::Module1 settings;
  klandor::StdRandom random;
  klandor::Game game(settings, random, klandor::systemSeedClock());
  klandor::ui::Form1 form1(game);
  form1.show();
  return QApplication::exec();
}
