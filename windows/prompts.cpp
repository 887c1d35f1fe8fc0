#include "windows/prompts.h"

#include "windows/text.h"
#include "windows/translations/translations.h"

namespace klandor::win {

namespace {

constexpr int kBoxId = 100, kCancelId = 101, kMessageId = 102;

// A message or title in the player's language.
std::wstring text(const std::string& english) { return wide(translated(kPromptsContext, english)); }

}  // namespace

NamePrompt::NamePrompt(HWND owner, std::wstring message, std::wstring defaultReply)
    : Dialog(owner, 360, 100), message_(std::move(message)), reply_(std::move(defaultReply)) {}

std::string NamePrompt::run(const std::wstring& title) {
  typed_.clear();
  return runModal(title) == IDOK ? typed_ : std::string();
}

bool NamePrompt::init() {
  control(L"STATIC", message_, SS_LEFT | SS_NOPREFIX, kMessageId, 8, 8, 260, 56);
  control(L"BUTTON", wide(translated("klandor::Form2", "OK")), WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK, 276, 8, 76,
          25);
  control(L"BUTTON", wide(translated("klandor::Form3", "Cancel")), WS_TABSTOP | BS_PUSHBUTTON, kCancelId, 276, 40,
          76, 25);
  box_ = control(L"EDIT", reply_, WS_TABSTOP | ES_AUTOHSCROLL, kBoxId, 8, 70, 344, 23);
  // The default name ready to be typed over.
  SetFocus(box_);
  SendMessageW(box_, EM_SETSEL, 0, -1);
  return true;
}

bool NamePrompt::command(int id, int code) {
  if (code != BN_CLICKED) return false;
  if (id == IDOK) {
    typed_ = windowText(box_);
    end(IDOK);
  } else if (id == kCancelId) {
    end(IDCANCEL);
  } else {
    return false;
  }
  return true;
}

void NamePrompt::closeByFrame() { end(IDCANCEL); }

std::string WinPrompts::inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultReply) {
  NamePrompt box(GetActiveWindow(), text(prompt), wide(defaultReply));
  return box.run(text(title));
}

bool WinPrompts::confirm(const std::string& message, const std::string& title) {
  return MessageBoxW(GetActiveWindow(), text(message).c_str(), text(title).c_str(), MB_OKCANCEL | MB_DEFBUTTON2) ==
         IDOK;
}

void WinPrompts::warn(const std::string& title, const std::string& message, const std::string& detail) {
  const std::wstring shown = wide(arg(translated(kPromptsContext, message), detail));
  MessageBoxW(GetActiveWindow(), shown.c_str(), text(title).c_str(), MB_OK | MB_ICONWARNING);
}

}  // namespace klandor::win
