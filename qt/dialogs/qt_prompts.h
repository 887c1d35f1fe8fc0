#pragma once
// The player's side of the records as modal Qt boxes, each over the window
// that is active when it opens.

#include <QMessageBox>
#include <memory>

#include "records/prompts.h"

namespace klandor {

// The box of confirm, not yet shown: OK and Cancel, no icon, and Cancel
// the default button and Escape's, so that a stray Enter answers no.
std::unique_ptr<QMessageBox> confirmBox(const std::string& message, const std::string& title, QWidget* parent);

class QtPrompts final : public Prompts {
 public:
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultReply) override;
  bool confirm(const std::string& message, const std::string& title) override;
  void warn(const std::string& title, const std::string& message, const std::string& detail) override;
};

}  // namespace klandor
