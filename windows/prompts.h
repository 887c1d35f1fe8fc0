#pragma once
// The player's side of the records as modal boxes of the system's own, each
// over the window that is active when it opens: the name prompt after a
// record (a small dialog of its own: the message, a box holding the default
// name, OK and Cancel), the question before a reset (OK and Cancel, no
// icon, Cancel the default), the warning of a failed save.

#include <string>

#include "records/prompts.h"
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

class WinPrompts final : public Prompts {
 public:
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultReply) override;
  bool confirm(const std::string& message, const std::string& title) override;
  void warn(const std::string& title, const std::string& message, const std::string& detail) override;
};

}  // namespace klandor::win
