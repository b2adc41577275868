#include <gtest/gtest.h>

#include <string>

#include "platform/Registry.h"
#include "support/FakePrefix.h"
#include "support/TempFolder.h"
#include "support/linux/WineSample.h"
#include "util/TovrikStandardFunctions.h"

namespace kvpm::testing {
namespace {

using platform::ReadRegistryText;

class WineRegistryTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { fixture = new std::string(WineSampleSystemReg()); }
  static void TearDownTestSuite() { delete fixture; }
  void SetUp() override {
    ASSERT_GT(fixture->size(), 1000000u) << "the fixture could not be unpacked";
    prefix.SetSystemReg(*fixture);
  }

  static std::string* fixture;
  FakePrefix prefix;
};
std::string* WineRegistryTest::fixture = nullptr;

std::string StressValue(const std::string& name) {
  return ReadRegistryText("HKLM\\SOFTWARE\\Tallowmere\\Stress Test\\" + name);
}

TEST_F(WineRegistryTest, FindsTheGameKeysThroughThe32BitView) {
  EXPECT_EQ(ReadRegistryText("HKLM\\SOFTWARE\\Tallowmere\\Harrowgate\\InstallPath"),
            "C:\\Games\\Harrowgate\\Harrowgate.exe");
  EXPECT_EQ(ReadRegistryText("HKLM\\SOFTWARE\\Tallowmere\\Korvale\\InstallPath"),
            "C:\\Games\\Harrowgate\\gamemd.exe");
  EXPECT_EQ(ReadRegistryText("HKLM\\SOFTWARE\\Tallowmere\\Korvale\\Version"), "65537");
  EXPECT_EQ(
      ReadRegistryText("HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\Tallowmere\\Korvale\\Version"),
      "65537");
  EXPECT_EQ(ReadRegistryText("hklm\\software\\TALLOWMERE\\korvale\\VERSION"), "65537");
  const std::string anthology = "HKLM\\SOFTWARE\\Morvane\\Morvane Games\\Velmora Anthology\\";
  EXPECT_EQ(ReadRegistryText(anthology + "kv_folder"),
            "C:\\Program Files (x86)\\Morvane Games\\Velmora Anthology\\Harrowgate");
  EXPECT_EQ(ReadRegistryText(anthology + "kv_executable"), "gamemd.exe");
  EXPECT_EQ(ReadRegistryText(anthology + "hg_executable"), "Harrowgate.exe");
}

TEST_F(WineRegistryTest, ReadsKeysOutsideSoftwareAndOfTheWholeFile) {
  EXPECT_EQ(ReadRegistryText("HKLM\\Software\\Borland\\Database Engine\\Settings\\SYSTEM\\INIT\\"
                             "SHAREDMEMLOCATION"),
            "9000");
  EXPECT_EQ(ReadRegistryText("HKLM\\System\\CurrentControlSet\\Control\\Class\\"
                             "{4d36e968-e325-11ce-bfc1-08002be10318}\\Class"),
            "Display");
  EXPECT_EQ(ReadRegistryText("HKLM\\Software\\Classes\\.chm\\"), "chm.file");
}

TEST_F(WineRegistryTest, StringsAreUnescaped) {
  EXPECT_EQ(StressValue("Quote"), "He said \"hi\" in C:\\Temp\\");
  EXPECT_EQ(StressValue("Tab"), "a\tb");
  EXPECT_EQ(StressValue("Install Path"), "blank in the value name");
  EXPECT_EQ(StressValue("Odd \"Name\""), "quote in the value name");
  EXPECT_EQ(StressValue("NonAscii"),
            "caf\xc3\xa9 \xe6\xbc\xa2\xe5\xad\x97 \xc3\xa9"
            "1 v32");
  EXPECT_EQ(StressValue(""), "default data v32");
}

TEST_F(WineRegistryTest, OnlyTextAndNumbersAreDelivered) {
  EXPECT_EQ(StressValue("Expand"), "%SystemRoot%\\system32\\x.dll");
  EXPECT_EQ(StressValue("DwordMax"), "4294967295");
  EXPECT_EQ(StressValue("DwordZero"), "0");
  EXPECT_EQ(StressValue("Binary"), "");
  EXPECT_EQ(StressValue("Multi"), "");
  EXPECT_EQ(StressValue("Qword"), "");
  EXPECT_EQ(StressValue("Empty"), "");
  EXPECT_EQ(StressValue("Missing"), "");
  EXPECT_EQ(ReadRegistryText("HKLM\\Software\\Wow6432Node\\Wine\\Ports\\SymbolicLinkValue"), "");
}

TEST_F(WineRegistryTest, ReadRegistryValueGivesTheDefaultForEmptyText) {
  using TovrikStandardFunctions::ReadRegistryValue;
  EXPECT_EQ(ReadRegistryValue("HKLM\\SOFTWARE\\Tallowmere\\Korvale\\Version", "none"), "65537");
  EXPECT_EQ(ReadRegistryValue("HKLM\\SOFTWARE\\Tallowmere\\Stress Test\\Empty", "none"), "none");
  EXPECT_EQ(ReadRegistryValue("HKLM\\SOFTWARE\\Tallowmere\\Stress Test\\Binary", "none"), "none");
  EXPECT_EQ(ReadRegistryValue("HKLM\\SOFTWARE\\Tallowmere\\Korvale\\Absent", ""), "");
}

TEST(RegistryTest, The32BitViewComesFirstAndThePlainKeyAfter) {
  FakePrefix prefix;
  prefix.SetRegistryValues("Software\\Tallowmere\\Korvale", {RegString("InstallPath", "plain"),
                                                             RegString("OnlyPlain", "plain only")});
  prefix.SetRegistryValues("Software\\Wow6432Node\\Tallowmere\\Korvale",
                           {RegString("InstallPath", "32-bit")});
  EXPECT_EQ(ReadRegistryText("HKLM\\SOFTWARE\\Tallowmere\\Korvale\\InstallPath"), "32-bit");
  EXPECT_EQ(ReadRegistryText("HKLM\\SOFTWARE\\Tallowmere\\Korvale\\OnlyPlain"), "plain only");
  // The 32-bit view is only a view of HKLM\Software.
  prefix.SetRegistryValues("Hardware\\Thing", {RegString("Name", "plain hardware")});
  prefix.SetRegistryValues("Hardware\\Wow6432Node\\Thing", {RegString("Name", "not a view")});
  EXPECT_EQ(ReadRegistryText("HKLM\\Hardware\\Thing\\Name"), "plain hardware");
}

TEST(RegistryTest, WritesOfTheFakePrefixReadBack) {
  FakePrefix prefix;
  prefix.SetRegistryValues(
      "Software\\Odd [Key]\\Sub",
      {RegString("Line", "a\r\nb \\ \"c\" \x01 end"), RegString("", "default"),
       RegExpandString("Path", "%WINDIR%\\x"), RegDword("Big", 0x8000000a),
       RegData("Bin", "hex:00,01,\\\n  02,03"), RegString("After", "after the continuation")});
  const std::string key = "HKLM\\Software\\Odd [Key]\\Sub\\";
  EXPECT_EQ(ReadRegistryText(key + "Line"), "a\r\nb \\ \"c\" \x01 end");
  EXPECT_EQ(ReadRegistryText(key), "default");
  EXPECT_EQ(ReadRegistryText(key + "Path"), "%WINDIR%\\x");
  EXPECT_EQ(ReadRegistryText(key + "Big"), "2147483658");
  EXPECT_EQ(ReadRegistryText(key + "Bin"), "");
  EXPECT_EQ(ReadRegistryText(key + "After"), "after the continuation");
  prefix.SetRegistryValues("SOFTWARE\\odd [key]\\sub", {RegString("after", "replaced")});
  EXPECT_EQ(ReadRegistryText(key + "After"), "replaced");
}

TEST(RegistryTest, TheFakeInstallationCanBeChanged) {
  FakePrefix prefix;
  prefix.InstallGame();
  prefix.SetRegistryValues(fakeExpansionKey, {RegDword("VERSION", 65536)});
  EXPECT_EQ(ReadRegistryText("HKLM\\SOFTWARE\\Tallowmere\\Korvale\\Version"), "65536");
  EXPECT_EQ(ReadRegistryText("HKLM\\SOFTWARE\\Tallowmere\\Korvale\\InstallPath"),
            fakeExpansionExecutable);
}

TEST(RegistryTest, EscapesOfWinesWriter) {
  FakePrefix prefix;
  prefix.SetRegistryValues(
      "Software\\E", {RegData("Octal", R"("a\0b")"), RegData("Letters", R"("\a\b\e\f\n\r\t\v")"),
                      RegData("Pair", R"("\xd83d\xde00!")"), RegData("Lone", R"("\xd83dx")"),
                      RegData("NoDigits", R"("\xzz")"), RegData("Unclosed", R"("abc)"),
                      RegData("Short", "dword:1a"), RegData("Bad", "dword:xyz"),
                      RegData("Long", "dword:100000000")});
  const std::string key = "HKLM\\Software\\E\\";
  EXPECT_EQ(ReadRegistryText(key + "Octal"), "a");
  EXPECT_EQ(ReadRegistryText(key + "Letters"), "\a\b\x1b\f\n\r\t\v");
  EXPECT_EQ(ReadRegistryText(key + "Pair"), "\xf0\x9f\x98\x80!");
  EXPECT_EQ(ReadRegistryText(key + "Lone"), "\xef\xbf\xbdx");
  EXPECT_EQ(ReadRegistryText(key + "NoDigits"), "xzz");
  EXPECT_EQ(ReadRegistryText(key + "Unclosed"), "");
  EXPECT_EQ(ReadRegistryText(key + "Short"), "26");
  EXPECT_EQ(ReadRegistryText(key + "Bad"), "");
  EXPECT_EQ(ReadRegistryText(key + "Long"), "");
  prefix.SetSystemReg("[Software\\\\E] 1\n\"\\x00e9t\\x00e9\"=\"summer\"\n");
  EXPECT_EQ(ReadRegistryText(key + "\xc3\xa9t\xc3\xa9"), "summer");
}

TEST(RegistryTest, BadPathsAndMissingFilesGiveNothing) {
  FakePrefix prefix;
  prefix.InstallGame();
  EXPECT_EQ(ReadRegistryText("HKLM\\SOFTWARE\\Tallowmere\\Korvale\\Version"), "65537");
  EXPECT_EQ(ReadRegistryText("HKCU\\SOFTWARE\\Tallowmere\\Korvale\\Version"), "");
  EXPECT_EQ(ReadRegistryText("HKCR\\SOFTWARE\\Tallowmere\\Korvale\\Version"), "");
  EXPECT_EQ(ReadRegistryText("HKLM\\Version"), "");
  EXPECT_EQ(ReadRegistryText("HKLM"), "");
  EXPECT_EQ(ReadRegistryText(""), "");
  EXPECT_EQ(ReadRegistryText("HKLM\\SOFTWARE\\\\Tallowmere\\Korvale\\Version"), "65537");
  prefix.SetSystemReg("");
  EXPECT_EQ(ReadRegistryText("HKLM\\SOFTWARE\\Tallowmere\\Korvale\\Version"), "");
  platform::SetEnvironment({prefix.Root() + "/missing", ""});
  EXPECT_EQ(ReadRegistryText("HKLM\\SOFTWARE\\Tallowmere\\Korvale\\Version"), "");
}

TEST(RegistryTest, CurrentUserKeysComeFromUserReg) {
  FakePrefix prefix;
  WriteBytes(prefix.Root() + "/user.reg",
             "WINE REGISTRY Version 2\n\n[Software\\\\Wine\\\\Drives] 1\n\"d:\"=\"cdrom\"\n");
  EXPECT_EQ(ReadRegistryText("HKCU\\Software\\Wine\\Drives\\d:"), "cdrom");
  EXPECT_EQ(ReadRegistryText("HKEY_CURRENT_USER\\Software\\Wine\\Drives\\D:"), "cdrom");
  EXPECT_EQ(ReadRegistryText("HKLM\\Software\\Wine\\Drives\\d:"), "");
}

}  // namespace
}  // namespace kvpm::testing
