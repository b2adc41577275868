#include "platform/Registry.h"

#include <gtest/gtest.h>

#include <string>

#include "lean/FakePrefix.h"
#include "util/TovrikStandardFunctions.h"

namespace kvpm::test {
namespace {

// A 32-bit program sees HKLM\Software through Wow6432Node first; a value
// missing there comes from the plain key.
TEST(RegistryTest, ValuesComeFromThe32BitViewFirstByNamesOfAnyCase) {
  FakePrefix prefix;
  prefix.SetValue(kExpansionKey, "InstallPath", "C:\\32-bit \"view\"\\");
  prefix.SetValue(kExpansionKey, "Version", 65537u);
  prefix.SetValue(kExpansionKey, "Big", 0x8000000au);
  prefix.SetValue(kExpansionKey, "", "the default value");
  prefix.SetValue("Software\\Tallowmere\\Korvale", "InstallPath", "plain");
  prefix.SetValue("Software\\Tallowmere\\Korvale", "OnlyPlain", "plain only");
  const std::string key = "HKLM\\SOFTWARE\\Tallowmere\\Korvale\\";
  struct Case {
    std::string path, text;
  } const cases[] = {
      {key + "InstallPath", "C:\\32-bit \"view\"\\"},
      {"hklm\\software\\TALLOWMERE\\korvale\\installpath", "C:\\32-bit \"view\"\\"},
      {"HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\Tallowmere\\Korvale\\InstallPath",
       "C:\\32-bit \"view\"\\"},
      {key + "OnlyPlain", "plain only"}, {key + "Version", "65537"},
      {"HKLM\\SOFTWARE\\\\Tallowmere\\Korvale\\Big", "2147483658"}, {key, "the default value"},
      {key + "Missing", ""}, {"HKLM\\SOFTWARE\\Tallowmere\\Harrowgate\\InstallPath", ""},
      {"HKCR\\SOFTWARE\\Tallowmere\\Korvale\\Version", ""}, {"HKLM\\Version", ""},
      {"HKLM", ""}, {"", ""}};
  for (const Case& c : cases) EXPECT_EQ(platform::ReadRegistryText(c.path), c.text) << c.path;

  EXPECT_EQ(TovrikStandardFunctions::ReadRegistryValue(key + "Version", "none"), "65537");
  EXPECT_EQ(TovrikStandardFunctions::ReadRegistryValue(key + "Missing", "none"), "none");
}

}  // namespace
}  // namespace kvpm::test
