#include "records/custom_field.h"

#include <gtest/gtest.h>

namespace klandor {
namespace {

struct Case {
  const char* acr;
  const char* dwn;
  const char* tm;
  CustomField expected;
};

class CustomFieldOk : public testing::TestWithParam<Case> {};

TEST_P(CustomFieldOk, LimitsTheEnteredValues) {
  const Case& c = GetParam();
  const CustomField f = customField(c.acr, c.dwn, c.tm);
  EXPECT_EQ(f, c.expected) << c.acr << " / " << c.dwn << " / " << c.tm << " gave " << f.across << " x " << f.down
                           << ", " << f.totalmines;
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, CustomFieldOk,
    testing::Values(Case{"100", "2", "5", {30, 8, 10}},        // each limit on its own
                    Case{"abc", "8", "", {8, 8, 10}},          // letters and an empty box
                    Case{"8", "8", "60", {8, 8, 49}},          // mines held to 7 x 7
                    Case{"30", "24", "999", {30, 24, 667}},    // the largest board
                    Case{"100", "2", "1000", {30, 8, 203}},    // mines use the limited size
                    Case{"12x", " 20", "40", {12, 20, 40}},    // text after, blank before
                    Case{"-20", "-1", "-5", {8, 8, 10}},       // negatives raised
                    Case{"12.9", "8.99", "10.5", {12, 8, 10}}, // fractions cut
                    Case{"7.9", "24.5", "49.9", {8, 24, 49}},  // cut before the limits
                    Case{"16", "16", "40", {16, 16, 40}},
                    Case{"1e99", "9999999999999999999999", "9999999999", {8, 24, 161}}));

}  // namespace
}  // namespace klandor
