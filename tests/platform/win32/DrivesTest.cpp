#include "platform/Drives.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace kvpm::testing {
namespace {

TEST(Win32DrivesTest, DriveLettersAfterTheTestDrives) {
  platform::TestDrives() = {{"E:\\cd", true, true}};
  const std::vector<platform::Drive> drives = platform::ListDrives();
  platform::TestDrives().clear();
  ASSERT_GE(drives.size(), 2u);
  EXPECT_EQ(drives[0].rootPath, "E:\\cd");
  const auto c = std::find_if(drives.begin() + 1, drives.end(),
                              [](const platform::Drive& drive) { return drive.rootPath == "C:"; });
  ASSERT_NE(c, drives.end());
  EXPECT_FALSE(c->cdrom);
  EXPECT_TRUE(c->ready);
  for (const platform::Drive& drive : drives) {
    EXPECT_NE(drive.rootPath.back(), '\\') << drive.rootPath;
  }
}

}  // namespace
}  // namespace kvpm::testing
