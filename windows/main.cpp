// Klandor for Windows: starts the game on Beginner with the colour tiles,
// in the player's language. It takes no arguments.
#include "windows/win32.h"

#include "core/game.h"
#include "core/module1.h"
#include "core/random.h"
#include "windows/form1.h"
#include "windows/translations/translations.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*arguments*/, int show) {
  klandor::win::useLanguage(klandor::win::userLanguage());
  klandor::Module1 settings;
  klandor::StdRandom random;
  klandor::Game game(settings, random, klandor::systemSeedClock());
  klandor::win::Form1 form1(game, instance);
  ShowWindow(form1.hwnd(), show);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (form1.translateAccelerator(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
