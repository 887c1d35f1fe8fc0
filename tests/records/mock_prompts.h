#pragma once
// Scripted replies to the modal questions and boxes.

#include <gmock/gmock.h>

#include "records/prompts.h"

namespace klandor::test {

class MockPrompts : public Prompts {
 public:
  MOCK_METHOD(std::string, inputBox, (const std::string&, const std::string&, const std::string&), (override));
  MOCK_METHOD(bool, confirm, (const std::string&, const std::string&), (override));
  MOCK_METHOD(void, warn, (const std::string&, const std::string&, const std::string&), (override));
  MOCK_METHOD(void, inform, (const std::string&, const std::string&, const std::string&), (override));
};

}  // namespace klandor::test
