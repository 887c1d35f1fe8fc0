#pragma once
// The game's modal boxes as Qt's own, each over the window that is active
// when it opens.

#include <QMessageBox>
#include <memory>

#include "kit/boxes.h"

namespace klandor {

// The box of a question, not yet shown: OK and Cancel, no icon, and Cancel
// the default button and Escape's, so that a stray Enter answers no.
std::unique_ptr<QMessageBox> confirmBox(const std::string& message, const std::string& title, QWidget* parent);

class QtPrompts final : public kit::Boxes {
 public:
  bool messageBox(Kind kind, const kit::Text& title, const kit::Text& message) override;
  std::optional<std::string> textBox(const kit::Text& title, const kit::Text& message,
                                     const std::string& reply) override;
};

}  // namespace klandor
