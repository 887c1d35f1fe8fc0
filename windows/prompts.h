#pragma once
// The game's modal boxes as the system's own, each over the window that is
// active when it opens; the text prompt (the name after a record) a small
// dialog of its own: the message, a box holding the default name, OK and
// Cancel.

#include <string>

#include "kit/boxes.h"
#include "windows/dialog.h"

namespace klandor::win {

class NamePrompt final : public Dialog {
 public:
  NamePrompt(HWND owner, std::wstring message, std::wstring defaultReply);
  // The text typed, or "" when the player cancels.
  std::string run(const std::wstring& title);

 private:
  bool init() override;
  bool command(int id, int code) override;
  void closeByFrame() override;

  std::wstring message_, reply_;
  HWND box_ = nullptr;
  std::string typed_;
};

class WinPrompts final : public kit::Boxes {
 public:
  bool messageBox(Kind kind, const kit::Text& title, const kit::Text& message) override;
  std::optional<std::string> textBox(const kit::Text& title, const kit::Text& message,
                                     const std::string& reply) override;
};

}  // namespace klandor::win
