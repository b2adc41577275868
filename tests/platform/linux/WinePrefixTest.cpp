#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "lean/FakePrefix.h"
#include "platform/Drives.h"
#include "platform/Files.h"
#include "platform/Paths.h"

namespace kvpm::test {
namespace {

namespace fs = std::filesystem;

class WinePrefixTest : public ::testing::Test {
 protected:
  WinePrefixTest() { prefix.CreateFile("C:\\Games\\Korvale\\HGMD.INI", "old"); }

  std::string At(const std::string& relative) const { return prefix.Root() + "/" + relative; }

  FakePrefix prefix;
  const std::string drive = At("dosdevices/c:");
};

TEST_F(WinePrefixTest, DrivesAreTheLettersOfDosdevicesThenTheHostsOpticalMedia) {
  for (const char* folder : {"cdrom", "disk", "media/KORVALE CD\\1", "media/dvd"}) {
    fs::create_directories(At(folder));
  }
  for (const char* device : {"d::", "com1", "1:", "ab:"}) {
    fs::create_symlink("/dev/null", At("dosdevices/") + device);
  }
  prefix.AddDrive('z', "/");
  prefix.AddDrive('D', "../cdrom");
  prefix.AddDrive('e', "../no-disc");
  prefix.AddDrive('f', "../disk");
  prefix.SetValue("Software\\Wine\\Drives", "d:", "cdrom");
  prefix.SetValue("Software\\Wine\\Drives", "E:", "CDROM");
  prefix.SetValue("Software\\Wine\\Drives", "f:", "hd");
  prefix.SetMountTable("/dev/sda1 / ext4 rw 0 0\n/dev/sr0 " + At("media/KORVALE\\040CD\\1341") +
                       " iso9660 ro 0 0\n/dev/sr1 " + At("media/dvd") + " udf ro\n/dev/sr2 " +
                       At("media/gone") + " iso9660 ro\n/dev/sr3 /m/cd\\04 udf\n" +
                       "tmpfs /tmp tmpfs rw 0 0\nbroken\n/dev/sr4\tiso9660\n");
  std::string listed;
  for (const platform::Drive& d : platform::ListDrives()) {
    listed += d.rootPath + (d.cdrom ? " cdrom" : " fixed") + (d.ready ? " ready;" : " empty;");
  }
  EXPECT_EQ(listed, "C: fixed ready;D: cdrom ready;E: cdrom empty;F: fixed ready;Z: fixed ready;" +
                        At("media/KORVALE CD\\1") + " cdrom ready;" + At("media/dvd") +
                        " cdrom ready;" + At("media/gone") + " cdrom empty;/m/cd\\04 cdrom empty;");
  fs::remove_all(At("dosdevices"));
  prefix.SetMountTable("");
  EXPECT_TRUE(platform::ListDrives().empty());
}

TEST_F(WinePrefixTest, WindowsPathsResolveThroughDosdevicesComponentByComponent) {
  prefix.CreateFile("C:\\Games\\Korvale\\hgmd.ini");
  prefix.CreateFile("C:\\Games\\Korvale\\Hgmd.ini");
  prefix.AddDrive('q', "/nonexistent-kvpm-target");
  struct Case {
    std::string path, native;
  } const cases[] = {
      {"C:/games//KORVALE\\\\HGMD.INI", drive + "/Games/Korvale/HGMD.INI"},
      {"C:\\Games\\Korvale\\hgmd.ini", drive + "/Games/Korvale/hgmd.ini"},
      {"C:\\Games\\Korvale\\hGMD.ini", drive + "/Games/Korvale/HGMD.INI"},  // first in byte order
      {"C:\\games\\New Folder\\File.TXT", drive + "/Games/New Folder/File.TXT"},
      {"C:\\Games\\.\\Missing\\..\\korvale\\", drive + "/Games/Korvale/"},
      {"C:\\..\\..\\Games", drive + "/Games"},
      {"C:", drive},
      {"c:\\", drive + "/"},
      {"q:\\Games", At("dosdevices/q:/Games")},
      {"Q\\Games", fs::current_path().string() + "/Q/Games"},
      {At("drive_c/Games/Korvale/HGMD.INI"), At("drive_c/Games/Korvale/HGMD.INI")},
      {At("drive_c/Games") + "\\korvale\\hgmd.INI", At("drive_c/Games/Korvale/HGMD.INI")},
      {"R:\\Games", ""},
      {"1:\\Games", ""},
      {"\\Games", ""},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(platform::ResolvePath(c.path), c.native) << c.path;
}

TEST_F(WinePrefixTest, LinksAreFollowedAndNativeNamesTakenLiterally) {
  fs::create_symlink(prefix.Native("C:\\Games\\Korvale\\HGMD.INI"), drive + "/Games/link.ini");
  fs::create_symlink("/nonexistent-kvpm-target", drive + "/Games/dangling");
  WriteBytes(At("odd\\name"), "");
  EXPECT_TRUE(platform::AnyMatch("C:\\Games\\LINK.INI", false));
  EXPECT_FALSE(platform::AnyMatch("C:\\Games\\dangling", true));
  EXPECT_FALSE(platform::AnyMatch("/dev/null", false));
  EXPECT_TRUE(platform::AnyMatch("C:\\Games\\Korvale\\..", true));
  EXPECT_TRUE(platform::AnyMatch("C:", true));
  EXPECT_TRUE(platform::AnyMatch(At("odd\\name"), false));
  EXPECT_EQ(platform::CanonicalPath("C:\\Games\\link.ini"),
            fs::canonical(At("drive_c/Games/Korvale/HGMD.INI")).string());
  EXPECT_EQ(platform::CanonicalPath("C:\\Games\\Korvale\\HGMD.INI\\"), "");

  EXPECT_TRUE(platform::WriteWholeFile("C:\\Games\\link.ini", "new"));
  EXPECT_TRUE(fs::is_symlink(drive + "/Games/link.ini"));
  EXPECT_EQ(ReadBytes(prefix.Native("C:\\Games\\Korvale\\HGMD.INI")), "new");
}

TEST_F(WinePrefixTest, AReplacedFileKeepsItsPermissionBitsAndAPipeIsNeverWaitedFor) {
  const std::string file = prefix.Native("C:\\Games\\Korvale\\HGMD.INI");
  ASSERT_EQ(chmod(file.c_str(), 0640), 0);
  EXPECT_TRUE(platform::WriteWholeFile("C:\\Games\\Korvale\\HGMD.INI", "new"));
  struct stat status;
  ASSERT_EQ(stat(file.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
  ASSERT_EQ(mkfifo(At("pipe").c_str(), 0600), 0);
  std::string bytes;
  EXPECT_EQ(platform::ReadWholeFile(At("pipe"), bytes), platform::ReadStatus::Unreadable);
}

}  // namespace
}  // namespace kvpm::test
