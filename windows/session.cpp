#include "windows/session.h"

namespace klandor::win {

std::string SyncedPrompts::inputBox(const std::string& prompt, const std::string& title,
                                    const std::string& defaultReply) {
  syncWindow_();
  return prompts_.inputBox(prompt, title, defaultReply);
}

bool SyncedPrompts::confirm(const std::string& message, const std::string& title) {
  syncWindow_();
  return prompts_.confirm(message, title);
}

void SyncedPrompts::warn(const std::string& title, const std::string& message, const std::string& detail) {
  syncWindow_();
  prompts_.warn(title, message, detail);
}

Session::Session(HINSTANCE instance, FilePath bestTimes, Prompts& prompts, SeedClock clock,
                 PlatformFiles& files)
    : prompts_(prompts, [this] { syncWindow(); }),
      file_(std::move(bestTimes), files),
      records_(file_, prompts_, [this] { mnuBest_Click(); }),
      game_(settings_, random_, std::move(clock), &records_),
      form1_(std::make_unique<Form1>(game_, instance)) {
  form1_->onBest = [this] { mnuBest_Click(); };
  form1_->onCustom = [this] { mnuCustom_Click(); };
}

// The dialog also opens after a record, in the middle of the winning
// release: it too stands over a window that shows the won board.
void Session::mnuBest_Click() {
  syncWindow();
  if (!form2_) form2_ = std::make_unique<Form2>(settings_, records_, prompts_, form1_->hwnd());
  form2_->mnuBest_Click();
}

void Session::mnuCustom_Click() {
  if (!form3_) {
    form3_ = std::make_unique<Form3>(settings_, form1_->hwnd(), [this](int across, int down, int totalmines) {
      form1_->customFieldOk(across, down, totalmines);
    });
  }
  form3_->mnuCustom_Click();
}

bool Session::translate(MSG& message) {
  if (form2_ && form2_->dialogMessage(message)) return true;
  if (form3_ && form3_->dialogMessage(message)) return true;
  return form1_->translateAccelerator(message);
}

void Session::syncWindow() {
  if (form1_) form1_->sync();  // no window yet while the game makes its first board
}

}  // namespace klandor::win
