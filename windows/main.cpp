// Klandor for Windows: starts the game on Beginner with the colour tiles,
// in the player's language. It takes no arguments; the best times live in
// the player's application data (%APPDATA%\Klandor).
#include "kit/session.h"
#include "records/best_file.h"
#include "windows/form1.h"
#include "windows/prompts.h"
#include "windows/translations/translations.h"
#include "windows/win32.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*arguments*/, int show) {
  klandor::win::useLanguage(klandor::win::userLanguage());
  klandor::win::WinPrompts prompts;
  klandor::kit::Session session({klandor::bestTimesPath(), klandor::settingsPath()}, prompts);
  klandor::win::Form1 window(session, instance);
  ShowWindow(window.hwnd(), show);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (window.translate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
