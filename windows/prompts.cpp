#include "windows/prompts.h"

#include "windows/text.h"
#include "windows/translations/translations.h"

namespace klandor::win {

namespace {

constexpr int kBoxId = 100, kCancelId = 101, kMessageId = 102;

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

bool WinPrompts::messageBox(Kind kind, const kit::Text& title, const kit::Text& message) {
  UINT type = MB_OK | MB_ICONINFORMATION;
  if (kind == Kind::kWarning) type = MB_OK | MB_ICONWARNING;
  if (kind == Kind::kQuestion) type = MB_OKCANCEL | MB_DEFBUTTON2;
  return MessageBoxW(GetActiveWindow(), say(message).c_str(), say(title).c_str(), type) == IDOK;
}

std::optional<std::string> WinPrompts::textBox(const kit::Text& title, const kit::Text& message,
                                               const std::string& reply) {
  NamePrompt box(GetActiveWindow(), say(message), wide(reply));
  return box.run(say(title));
}

}  // namespace klandor::win
