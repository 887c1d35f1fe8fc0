#include "records/latin1.h"

#include <gtest/gtest.h>

namespace klandor {
namespace {

TEST(Latin1Text, KeepsLatin1AndMarksTheRest) {
  EXPECT_EQ(latin1Text("abc \"x\" ~"), "abc \"x\" ~");
  EXPECT_EQ(latin1Text("Jos\xC3\xA9 \xC3\xBF\xC2\xA0"), "Jos\xE9 \xFF\xA0");
  EXPECT_EQ(latin1Text("\xE2\x82\xAC"), "?");          // euro sign, beyond Latin-1
  EXPECT_EQ(latin1Text("\xF0\x9F\x98\x80!"), "?!");     // one character of four bytes
  EXPECT_EQ(latin1Text("\xC4\x80"), "?");               // U+0100, the first beyond
}

TEST(Latin1Text, ControlCharactersBecomeSpaces) {
  EXPECT_EQ(latin1Text("a\r\nb\tc"), "a  b c");
  EXPECT_EQ(latin1Text(std::string("x\0y", 3)), "x y");
  EXPECT_EQ(latin1Text("\x7F\xC2\x80\xC2\x9F"), "   ");  // DEL and the C1 range
}

TEST(Latin1Text, EachByteOfAMalformedSequenceIsAQuestionMark) {
  EXPECT_EQ(latin1Text("\xFF"), "?");
  EXPECT_EQ(latin1Text("a\xC3"), "a?");                  // cut short at the end
  EXPECT_EQ(latin1Text("\xC3" "a"), "?a");               // no continuation byte
  EXPECT_EQ(latin1Text("\xC0\xAF"), "??");               // overlong "/"
  EXPECT_EQ(latin1Text("\xED\xA0\x80"), "???");          // a surrogate
  EXPECT_EQ(latin1Text("\xF4\x90\x80\x80"), "????");     // beyond U+10FFFF
  EXPECT_EQ(latin1Text("\x80"), "?");                    // a lone continuation byte
}

}  // namespace
}  // namespace klandor
