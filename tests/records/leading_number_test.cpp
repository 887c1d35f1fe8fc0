#include "records/leading_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace klandor {
namespace {

struct Case {
  std::string text;
  double value;
};

class LeadingNumber : public testing::TestWithParam<Case> {};

TEST_P(LeadingNumber, ReadsTheNumberAtTheStart) {
  EXPECT_EQ(leadingNumber(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, LeadingNumber,
                         testing::Values(Case{"12", 12}, Case{"999", 999}, Case{"  7", 7}, Case{" 20", 20},
                                         Case{"12x", 12}, Case{"1 2", 12}, Case{"\t3\n4", 34},
                                         Case{"-5", -5}, Case{"+7", 7}, Case{"- 5", -5}, Case{"12.5", 12.5},
                                         Case{".5", 0.5}, Case{"5.", 5}, Case{"1.2.3", 1.2},
                                         Case{"1e3", 1}, Case{"0x10", 0}, Case{"1,5", 1}, Case{"abc", 0},
                                         Case{"", 0}, Case{"   ", 0}, Case{"-", 0}, Case{".", 0},
                                         Case{"+-5", 0}, Case{"--5", 0}, Case{"\r5", 0},
                                         Case{"MrN", 0}, Case{"00042", 42}));

TEST(LeadingNumberRange, BeyondADoubleGivesInfinityOrZero) {
  const std::string huge(400, '9');
  EXPECT_EQ(leadingNumber(huge), HUGE_VAL);
  EXPECT_EQ(leadingNumber("-" + huge), -HUGE_VAL);
  EXPECT_EQ(leadingNumber("0." + std::string(400, '0') + "1"), 0.0);
  EXPECT_EQ(leadingNumber(std::string(400, '0') + "7"), 7.0);
}

}  // namespace
}  // namespace klandor
