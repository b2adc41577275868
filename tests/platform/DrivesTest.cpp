#include "platform/Drives.h"

#include <gtest/gtest.h>

#include <string>

#include "lean/FakePrefix.h"

namespace kvpm::test {
namespace {

std::string Describe(const platform::Drive& drive) {
  return drive.rootPath + (drive.cdrom ? " cdrom" : " fixed") + (drive.ready ? " ready" : " empty");
}

TEST(DrivesTest, CdDrivesAreListedAndReadyWithADisc) {
  FakePrefix prefix;
  prefix.AddCdDrive('d');
  prefix.AddCdDrive('e', false);
  std::string listed;
  for (const platform::Drive& drive : platform::ListDrives()) listed += Describe(drive) + ";";
  EXPECT_NE(listed.find(prefix.CdRoot('d') + " cdrom ready;"), std::string::npos) << listed;
  EXPECT_NE(listed.find(prefix.CdRoot('e') + " cdrom empty;"), std::string::npos) << listed;
  EXPECT_NE(listed.find("C: fixed ready;"), std::string::npos) << listed;
}

}  // namespace
}  // namespace kvpm::test
