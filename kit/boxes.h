#pragma once
// The game's modal boxes, whatever the toolkit: the modal questions of the
// records (the name prompt, "Reset?", a failed save) and the About box, as
// texts in the player's language. A front end shows two kinds of box, a
// message box and a text prompt; which box each question is, and what it
// says, is decided here.

#include <optional>
#include <string>

#include "kit/text.h"
#include "records/prompts.h"

namespace klandor::kit {

class Boxes : public Prompts {
 public:
  enum class Kind {
    kInformation,  // the information icon and OK
    kWarning,      // the warning icon and OK
    kQuestion,     // OK and Cancel, no icon; Cancel the default and Escape's
  };

  // A modal message box over the active window: true for OK.
  virtual bool messageBox(Kind kind, const Text& title, const Text& message) = 0;
  // A modal text prompt over the active window, its box holding `reply`
  // ready to be typed over: the text typed, or nothing when cancelled.
  virtual std::optional<std::string> textBox(const Text& title, const Text& message, const std::string& reply) = 0;

  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultReply) override {
    return textBox(text(title), text(prompt), defaultReply).value_or(std::string());
  }
  bool confirm(const std::string& message, const std::string& title) override {
    return messageBox(Kind::kQuestion, text(title), text(message));
  }
  void warn(const std::string& title, const std::string& message, const std::string& detail) override {
    messageBox(Kind::kWarning, text(title), Text(kPromptsContext, message.c_str(), nullptr, std::nullopt, {detail}));
  }
  void inform(const std::string& title, const std::string& message, const std::string& detail) override {
    messageBox(Kind::kInformation, text(title), Text(kPromptsContext, message.c_str(), nullptr, std::nullopt, {detail}));
  }

 private:
  static Text text(const std::string& english) { return {kPromptsContext, english.c_str()}; }
};

}  // namespace klandor::kit
