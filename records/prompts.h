#pragma once
// How the records talk to the player. The game answers with modal Qt boxes;
// tests answer with scripted replies. Texts are UTF-8. Messages and titles
// are English texts marked with KLANDOR_TR_NOOP in kPromptsContext, which the
// boxes show in the player's language; a default reply and a detail are data
// and shown as they are.

#include <string>

#include "resources/translatable.h"

namespace klandor {

inline constexpr char kPromptsContext[] = "Prompts";

class Prompts {
 public:
  virtual ~Prompts() = default;
  // A modal text prompt: the text typed, or "" when the player cancels.
  virtual std::string inputBox(const std::string& prompt, const std::string& title,
                               const std::string& defaultReply) = 0;
  // A modal box with OK and Cancel and no icon: true for OK.
  virtual bool confirm(const std::string& message, const std::string& title) = 0;
  // A modal warning with OK; "%1" in the message stands for the detail.
  virtual void warn(const std::string& title, const std::string& message, const std::string& detail) = 0;
  // A modal box with OK and the information icon; "%1" in the message
  // stands for the detail.
  virtual void inform(const std::string& title, const std::string& message, const std::string& detail) = 0;
};

}  // namespace klandor
