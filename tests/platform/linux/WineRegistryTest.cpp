#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "lean/FakePrefix.h"
#include "platform/Registry.h"

namespace kvpm::test {
namespace {

using platform::ReadRegistryText;

TEST(WineRegistryTest, ARealPrefixAnswersAsA32BitProgramSeesIt) {
  // The system.reg of a fresh 64-bit Wine prefix with the game's keys in the 32-bit view.
  FakePrefix prefix;
  const std::string unpack =
      "gzip -dc '" KVPM_FIXTURES_DIR "/wine-system.reg.gz' > '" + prefix.Root() + "/system.reg'";
  ASSERT_EQ(std::system(unpack.c_str()), 0);
  const std::string stress = "HKLM\\SOFTWARE\\Tallowmere\\Stress Test\\";
  struct Case {
    std::string path, text;
  } const cases[] = {
      {"HKLM\\SOFTWARE\\Tallowmere\\Harrowgate\\InstallPath", "C:\\Games\\Harrowgate\\Harrowgate.exe"},
      {"HKLM\\SOFTWARE\\Tallowmere\\Korvale\\Version", "65537"},
      {"HKLM\\SOFTWARE\\Morvane\\Morvane Games\\Velmora Anthology\\kv_folder",
       "C:\\Program Files (x86)\\Morvane Games\\Velmora Anthology\\Harrowgate"},
      {"HKLM\\System\\CurrentControlSet\\Control\\Class\\{4d36e968-e325-11ce-bfc1-08002be10318}"
       "\\Class",
       "Display"},
      {"HKLM\\Software\\Classes\\.chm\\", "chm.file"}, {stress, "default data v32"},
      {stress + "Quote", "He said \"hi\" in C:\\Temp\\"}, {stress + "Tab", "a\tb"},
      {stress + "Install Path", "blank in the value name"},
      {stress + "Odd \"Name\"", "quote in the value name"},
      {stress + "NonAscii", "caf\xc3\xa9 \xe6\xbc\xa2\xe5\xad\x97 \xc3\xa9" "1 v32"},
      {stress + "Expand", "%SystemRoot%\\system32\\x.dll"}, {stress + "DwordMax", "4294967295"},
      {stress + "DwordZero", "0"}, {stress + "Empty", ""}, {stress + "Binary", ""},
      {stress + "Multi", ""}, {stress + "Qword", ""},
      {"HKLM\\Software\\Wow6432Node\\Wine\\Ports\\SymbolicLinkValue", ""}};
  for (const Case& c : cases) EXPECT_EQ(ReadRegistryText(c.path), c.text) << c.path;
}

TEST(WineRegistryTest, EscapesAndDataTypesOfWinesWriter) {
  struct Case {
    std::string data, text;
  } const cases[] = {{R"("a\0b")", "a"}, {R"("\a\b\e\f\n\r\t\v\q")", "\a\b\x1b\f\n\r\t\vq"},
                     {R"("\xd83d\xde00!\351")", "\xf0\x9f\x98\x80!\xc3\xa9"},
                     {R"("\xd83dx\xde00")", "\xef\xbf\xbdx\xef\xbf\xbd"}, {R"("\xd83d")", "\xef\xbf\xbd"},
                     {R"("\xzz")", "xzz"}, {R"("abc)", ""}, {R"("ends in \)", ""}, {"dword:1a", "26"},
                     {"dword:xyz", ""}, {"dword:1a;", ""}, {"dword:100000000", ""},
                     {"str(2):\"x\"", "x"}, {"hex:61,00", ""}};
  std::string reg = "[Software\\\\E] 1\n";
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    reg += "\"" + std::to_string(i) + "\"=" + cases[i].data + "\n";
  }
  FakePrefix prefix;
  prefix.SetSystemReg(reg + "[Software\\\\F] 2\n\"\\x00e9t\\351\"=\"named\"\n" +
                      "[software\\\\e] 3\r\n@=\"again\"\r\n\"0\"=\"not first\"\n");
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(ReadRegistryText("HKLM\\Software\\E\\" + std::to_string(i)), cases[i].text)
        << cases[i].data;
  }
  EXPECT_EQ(ReadRegistryText("HKLM\\Software\\F\\\xc3\xa9t\xc3\xa9"), "named");
  EXPECT_EQ(ReadRegistryText("HKLM\\Software\\E\\"), "again");
}

TEST(WineRegistryTest, The32BitViewIsAViewOfHklmSoftwareAloneAndHkcuIsUserReg) {
  FakePrefix prefix;
  prefix.SetValue("Hardware\\Wow6432Node\\Thing", "Name", "not a view");
  prefix.SetValue("Hardware\\Thing", "Name", "plain");
  WriteBytes(prefix.Root() + "/user.reg",
             "[Software\\\\Wow6432Node\\\\Wine\\\\Drives] 1\n\"d:\"=\"not a view\"\n"
             "[Software\\\\Wine\\\\Drives] 1\n\"d:\"=\"cdrom\"\n");
  EXPECT_EQ(ReadRegistryText("HKLM\\Hardware\\Thing\\Name"), "plain");
  EXPECT_EQ(ReadRegistryText("HKCU\\Software\\Wine\\Drives\\D:"), "cdrom");
  EXPECT_EQ(ReadRegistryText("HKEY_CURRENT_USER\\Software\\Wine\\Drives\\d:"), "cdrom");
  EXPECT_EQ(ReadRegistryText("HKLM\\Software\\Wine\\Drives\\d:"), "");
}

}  // namespace
}  // namespace kvpm::test
