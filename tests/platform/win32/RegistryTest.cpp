#include "platform/Registry.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/win32/WindowsApi.h"

namespace kvpm::testing {
namespace {

using platform::ReadRegistryText;

constexpr const char* scratchKey = "Software\\KvpmRegistryTest";

std::string Dword(std::uint32_t number) {
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>((number >> (8 * i)) & 0xFF);
  return bytes;
}

// Values under a scratch key of HKLM (in both views) and HKCU, written
// through the registry API and removed with the key at the end.
class Win32RegistryTest : public ::testing::Test {
 protected:
  ~Win32RegistryTest() override {
    for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) Remove(HKEY_LOCAL_MACHINE, view);
    Remove(HKEY_CURRENT_USER, 0);
  }

  static void Set(HKEY root, REGSAM view, const std::string& subKey, const std::string& name,
                  DWORD type, const std::string& bytes) {
    HKEY key;
    const std::string path = std::string(scratchKey) + (subKey.empty() ? "" : "\\" + subKey);
    ASSERT_EQ(RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE | view, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, name.c_str(), 0, type,
                             reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }
  static void Set32(const std::string& name, DWORD type, const std::string& bytes) {
    Set(HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY, "Game", name, type, bytes);
  }
  static void Set64(const std::string& name, DWORD type, const std::string& bytes) {
    Set(HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY, "Game", name, type, bytes);
  }

 private:
  static void Remove(HKEY root, REGSAM view) {
    HKEY key;
    if (RegOpenKeyExA(root, scratchKey, 0, KEY_ALL_ACCESS | view, &key) == ERROR_SUCCESS) {
      RegDeleteTreeA(key, nullptr);
      RegCloseKey(key);
    }
    RegDeleteKeyExA(root, scratchKey, view, 0);
  }
};

const char* const gameValue = "HKLM\\Software\\KvpmRegistryTest\\Game\\";

TEST_F(Win32RegistryTest, TheThirtyTwoBitViewComesFirstThenTheSixtyFourBitView) {
  Set32("InstallPath", REG_SZ, std::string("from the 32-bit view") + '\0');
  Set64("InstallPath", REG_SZ, std::string("from the 64-bit view") + '\0');
  Set64("Only64", REG_SZ, std::string("only in the 64-bit view") + '\0');
  // A value that is there in the 32-bit view decides, even when it is no text.
  Set32("Version", REG_BINARY, "\x01\x00\x01\x00");
  Set64("Version", REG_DWORD, Dword(65537));

  EXPECT_EQ(ReadRegistryText(std::string(gameValue) + "InstallPath"), "from the 32-bit view");
  EXPECT_EQ(ReadRegistryText(std::string(gameValue) + "Only64"), "only in the 64-bit view");
  EXPECT_EQ(ReadRegistryText(std::string(gameValue) + "Version"), "");
  EXPECT_EQ(ReadRegistryText(std::string(gameValue) + "Missing"), "");
  EXPECT_EQ(ReadRegistryText("HKLM\\Software\\KvpmRegistryTest\\NoSuchKey\\InstallPath"), "");
}

TEST_F(Win32RegistryTest, DataAsText) {
  Set32("Plain", REG_SZ, std::string("C:\\Games\\Korvale\\gamemd.exe") + '\0');
  Set32("Unterminated", REG_SZ, "no terminator");
  Set32("EmbeddedNul", REG_SZ, std::string("before\0after", 12) + '\0');
  Set32("Empty", REG_SZ, std::string(1, '\0'));
  Set32("Expand", REG_EXPAND_SZ, std::string("%WINDIR%\\x") + '\0');
  Set32("Version", REG_DWORD, Dword(65537));
  Set32("Big", REG_DWORD, Dword(0x8000000a));
  Set32("Zero", REG_DWORD, Dword(0));
  Set32("Binary", REG_BINARY, "\x01\x02");
  Set32("Quad", REG_QWORD, std::string("\x01\0\0\0\0\0\0\0", 8));
  Set32("Multi", REG_MULTI_SZ, std::string("a\0b\0\0", 5));
  // Bytes above 127 are text of the system's code page and come back as they went in.
  Set32("Accents", REG_SZ, std::string("caf\xe9 \xe0 la carte") + '\0');

  const std::string key = gameValue;
  EXPECT_EQ(ReadRegistryText(key + "Plain"), "C:\\Games\\Korvale\\gamemd.exe");
  EXPECT_EQ(ReadRegistryText(key + "Unterminated"), "no terminator");
  EXPECT_EQ(ReadRegistryText(key + "EmbeddedNul"), "before");
  EXPECT_EQ(ReadRegistryText(key + "Empty"), "");
  EXPECT_EQ(ReadRegistryText(key + "Expand"), "%WINDIR%\\x");
  EXPECT_EQ(ReadRegistryText(key + "Version"), "65537");
  EXPECT_EQ(ReadRegistryText(key + "Big"), "2147483658");
  EXPECT_EQ(ReadRegistryText(key + "Zero"), "0");
  EXPECT_EQ(ReadRegistryText(key + "Binary"), "");
  EXPECT_EQ(ReadRegistryText(key + "Quad"), "");
  EXPECT_EQ(ReadRegistryText(key + "Multi"), "");
  EXPECT_EQ(ReadRegistryText(key + "Accents"), "caf\xe9 \xe0 la carte");
}

TEST_F(Win32RegistryTest, ValuePaths) {
  Set32("", REG_SZ, std::string("the default value") + '\0');
  Set32("Name", REG_SZ, std::string("named") + '\0');
  Set(HKEY_CURRENT_USER, 0, "", "Recent", REG_SZ, std::string("of the user") + '\0');

  EXPECT_EQ(ReadRegistryText(gameValue), "the default value");
  EXPECT_EQ(ReadRegistryText("hklm\\SOFTWARE\\kvpmregistrytest\\GAME\\name"), "named");
  EXPECT_EQ(ReadRegistryText("HKEY_LOCAL_MACHINE\\Software\\KvpmRegistryTest\\Game\\Name"), "named");
  EXPECT_EQ(ReadRegistryText("HKLM\\Software\\\\KvpmRegistryTest\\Game\\Name"), "named");
  EXPECT_EQ(ReadRegistryText("HKCU\\Software\\KvpmRegistryTest\\Recent"), "of the user");
  EXPECT_EQ(ReadRegistryText("HKEY_CURRENT_USER\\Software\\KvpmRegistryTest\\Recent"),
            "of the user");
  EXPECT_EQ(ReadRegistryText("HKCR\\Software\\KvpmRegistryTest\\Game\\Name"), "");
  EXPECT_EQ(ReadRegistryText("HKLM\\Name"), "");
  EXPECT_EQ(ReadRegistryText("HKLM"), "");
  EXPECT_EQ(ReadRegistryText(""), "");
}

}  // namespace
}  // namespace kvpm::testing
