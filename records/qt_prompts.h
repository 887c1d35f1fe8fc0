#pragma once
// The player's side of the records as modal Qt boxes, each over the window
// that is active when it opens.

#include <functional>

#include "records/prompts.h"

namespace klandor {

class QtPrompts final : public Prompts {
 public:
  // showBestTimes runs the Best Times command of the main window.
  explicit QtPrompts(std::function<void()> showBestTimes = {});
  void setShowBestTimes(std::function<void()> showBestTimes);

  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultReply) override;
  bool confirm(const std::string& message, const std::string& title) override;
  void warn(const std::string& title, const std::string& message) override;
  void showBestTimes() override;

 private:
  std::function<void()> showBestTimes_;
};

}  // namespace klandor
