#include "util/DisplayText.h"

#include <gtest/gtest.h>

namespace kvpm {
namespace {

TEST(DisplayText, KeepsValidUtf8AndAscii) {
  EXPECT_EQ(DisplayUtf8("Mod Track 01"), "Mod Track 01");
  EXPECT_EQ(DisplayUtf8("caf\xC3\xA9 \xE6\xBC\xA2"), "caf\xC3\xA9 \xE6\xBC\xA2");
  EXPECT_EQ(DisplayUtf8(""), "");
}

TEST(DisplayText, DecodesOtherBytesAsWindows1252) {
  EXPECT_EQ(DisplayUtf8("caf\xE9"), "caf\xC3\xA9");                // e acute
  EXPECT_EQ(DisplayUtf8("\x80 5"), "\xE2\x82\xAC 5");              // euro sign
  EXPECT_EQ(DisplayUtf8("\x93quoted\x94"), "\xE2\x80\x9Cquoted\xE2\x80\x9D");
  EXPECT_EQ(DisplayUtf8("\x81"), "\xEF\xBF\xBD");                  // unassigned byte
}

TEST(DisplayText, RejectsMalformedUtf8) {
  EXPECT_EQ(DisplayUtf8("\xC3"), "\xC3\x83");                      // cut sequence
  EXPECT_EQ(DisplayUtf8("\xC0\xAF"), "\xC3\x80\xC2\xAF");          // overlong slash
  EXPECT_EQ(DisplayUtf8("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xE2\x82\xAC");  // surrogate
}

}  // namespace
}  // namespace kvpm
