#include <gtest/gtest.h>

#include <string>

#include "platform/Paths.h"

namespace kvpm::testing {
namespace {

using platform::WildcardMatch;

TEST(WildcardMatchTest, StarsAndQuestionMarksWithoutRegardToCase) {
  EXPECT_TRUE(WildcardMatch("user01.wav", "user*.wav"));
  EXPECT_TRUE(WildcardMatch("USER.WAV", "user*.wav"));
  EXPECT_TRUE(WildcardMatch("user.wav.wav", "user*.wav"));
  EXPECT_FALSE(WildcardMatch("user.wave", "user*.wav"));
  EXPECT_FALSE(WildcardMatch("myuser1.wav", "user*.wav"));
  EXPECT_TRUE(WildcardMatch("ecachetheme01.mix", "ecachetheme??.mix"));
  EXPECT_FALSE(WildcardMatch("ecachetheme1.mix", "ecachetheme??.mix"));
  EXPECT_TRUE(WildcardMatch("anything", "*"));
  EXPECT_TRUE(WildcardMatch("", "*"));
  EXPECT_FALSE(WildcardMatch("", "?"));
  EXPECT_TRUE(WildcardMatch("a*b", "a*b"));
  EXPECT_TRUE(WildcardMatch("Caf\xe9", "caf?"));
  EXPECT_FALSE(WildcardMatch(std::string(200, 'a'), std::string(30, '*') + "b"));
}

}  // namespace
}  // namespace kvpm::testing
