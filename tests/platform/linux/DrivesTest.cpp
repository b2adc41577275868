#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/Drives.h"
#include "support/FakePrefix.h"

namespace kvpm {
namespace {

using testing::FakePrefix;
using testing::RegString;
using testing::WriteBytes;

class DrivesTest : public ::testing::Test {
 protected:
  // A link in dosdevices by its exact name, for entries that are not drives.
  void AddDosDevice(const std::string& name, const std::string& target) {
    std::filesystem::create_symlink(target, prefix.Root() + "/dosdevices/" + name);
  }

  std::string MakeFolder(const std::string& relative) {
    const std::string native = prefix.Root() + "/" + relative;
    std::filesystem::create_directories(native);
    return native;
  }

  void SetDriveTypes(const std::vector<testing::RegistryValue>& types) {
    prefix.SetRegistryValues("Software\\Wine\\Drives", types);
  }

  static std::string Describe(const std::vector<platform::Drive>& drives) {
    std::string text;
    for (const platform::Drive& drive : drives) {
      text += drive.rootPath + (drive.cdrom ? " cdrom" : " fixed") +
              (drive.ready ? " ready" : " empty") + ";";
    }
    return text;
  }

  FakePrefix prefix;
};

TEST_F(DrivesTest, OnlyLetterEntriesOfDosdevicesAreDrivesInLetterOrder) {
  AddDosDevice("z:", "/");
  AddDosDevice("d:", "../cdrom");
  AddDosDevice("d::", "/dev/null");
  AddDosDevice("com1", "/dev/null");
  AddDosDevice("lpt1", "/dev/null");
  AddDosDevice("1:", "/");
  AddDosDevice("ab:", "/");
  MakeFolder("cdrom");

  EXPECT_EQ(Describe(platform::ListDrives()), "C: fixed ready;D: fixed ready;Z: fixed ready;");
}

TEST_F(DrivesTest, TheRegistrySaysWhichLettersAreCdromDrives) {
  MakeFolder("cd1");
  MakeFolder("cd2");
  MakeFolder("disk");
  prefix.AddDrive('d', "../cd1");
  prefix.AddDrive('e', "../cd2");
  prefix.AddDrive('f', "../disk");
  SetDriveTypes({RegString("d:", "cdrom"), RegString("E:", "CDROM"), RegString("f:", "hd"),
                 RegString("g:", "cdrom")});

  EXPECT_EQ(Describe(platform::ListDrives()),
            "C: fixed ready;D: cdrom ready;E: cdrom ready;F: fixed ready;");
}

TEST_F(DrivesTest, ADriveIsReadyOnlyWhenItsTargetIsAFolder) {
  WriteBytes(prefix.Root() + "/image.iso", "not a folder");
  prefix.AddDrive('d', "../no-disc");
  prefix.AddDrive('e', "../image.iso");
  SetDriveTypes({RegString("d:", "cdrom"), RegString("e:", "cdrom")});

  EXPECT_EQ(Describe(platform::ListDrives()), "C: fixed ready;D: cdrom empty;E: cdrom empty;");
}

TEST_F(DrivesTest, MountedOpticalMediaFollowTheDriveLettersWithTheirMountPoints) {
  const std::string spaced = MakeFolder("media/KORVALE CD\\1");
  const std::string dvd = MakeFolder("media/dvd");
  prefix.SetMountTable(
      "/dev/sda1 / ext4 rw,relatime 0 0\n"
      "/dev/sr0 " +
      prefix.Root() + "/media/KORVALE\\040CD\\1341 iso9660 ro,nosuid 0 0\n" + "/dev/sr1 " + dvd +
      " udf ro 0 0\n" + "/dev/sr2 " + prefix.Root() + "/media/gone iso9660 ro 0 0\n" +
      "tmpfs /tmp tmpfs rw 0 0\n" + "broken-line-without-fields\n" + "/dev/sr3\tiso9660\n");

  EXPECT_EQ(Describe(platform::ListDrives()), "C: fixed ready;" + spaced + " cdrom ready;" + dvd +
                                                  " cdrom ready;" + prefix.Root() +
                                                  "/media/gone cdrom empty;");
}

TEST_F(DrivesTest, AnEscapeThatIsCutShortStaysAsItIs) {
  prefix.SetMountTable("/dev/sr0 /media/cd\\04 iso9660 ro 0 0\n/dev/sr1 /media/x\\9a udf ro 0 0");

  const std::vector<platform::Drive> drives = platform::ListDrives();
  ASSERT_EQ(drives.size(), 3u);
  EXPECT_EQ(drives[1].rootPath, "/media/cd\\04");
  EXPECT_EQ(drives[2].rootPath, "/media/x\\9a");
}

TEST_F(DrivesTest, WithoutDosdevicesOrMountTableThereAreNoDrives) {
  std::filesystem::remove_all(prefix.Root() + "/dosdevices");
  std::filesystem::remove(prefix.Root() + "/mounts");

  EXPECT_TRUE(platform::ListDrives().empty());
}

}  // namespace
}  // namespace kvpm
