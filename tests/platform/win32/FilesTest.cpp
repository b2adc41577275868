#include "platform/Files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/WindowsApi.h"
#include "support/FaultGuard.h"
#include "support/TempFolder.h"

namespace kvpm::testing {
namespace {

using platform::ReadStatus;

class Win32FilesTest : public ::testing::Test {
 protected:
  std::string At(const std::string& relative) const { return folder.Native() + "\\" + relative; }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  TempFolder folder;
  FaultGuard faults;
  std::string target = At("thememd.ini");
};

TEST_F(Win32FilesTest, ReadWholeFileTellsMissingFromUnreadable) {
  std::string bytes = "stale";
  EXPECT_EQ(platform::ReadWholeFile(target, bytes), ReadStatus::Missing);
  EXPECT_EQ(bytes, "");
  EXPECT_EQ(platform::ReadWholeFile(At("no\\such\\file"), bytes), ReadStatus::Missing);
  EXPECT_EQ(platform::ReadWholeFile("Q:\\nothing", bytes), ReadStatus::Missing);
  EXPECT_EQ(platform::ReadWholeFile("", bytes), ReadStatus::Missing);
  EXPECT_EQ(platform::ReadWholeFile(folder.Native(), bytes), ReadStatus::Unreadable);
  WriteBytes(target, std::string("a\0b\xff\r\n", 6));
  EXPECT_EQ(platform::ReadWholeFile(At("THEMEMD.INI"), bytes), ReadStatus::Ok);
  EXPECT_EQ(bytes, std::string("a\0b\xff\r\n", 6));
  EXPECT_EQ(platform::ReadWholeFile(At("thememd.ini\\x"), bytes), ReadStatus::Missing);
  faults->failRead = true;
  EXPECT_EQ(platform::ReadWholeFile(target, bytes), ReadStatus::Unreadable);
  EXPECT_EQ(bytes, "");
}

TEST_F(Win32FilesTest, WriteWholeFileReplacesAndKeepsTheHiddenMark) {
  EXPECT_TRUE(platform::WriteWholeFile(target, "first"));
  EXPECT_EQ(ReadBytes(target), "first");
  EXPECT_EQ(GetFileAttributesA(target.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
  ASSERT_TRUE(SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_HIDDEN));
  EXPECT_TRUE(platform::WriteWholeFile(At("ThemeMD.ini"), "second"));
  EXPECT_EQ(ReadBytes(target), "second");
  EXPECT_NE(GetFileAttributesA(target.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
  EXPECT_EQ(Names(), std::vector<std::string>{"thememd.ini"});
  EXPECT_FALSE(platform::WriteWholeFile(At("missing\\thememd.ini"), "x"));
  EXPECT_FALSE(platform::WriteWholeFile(folder.Native(), "x"));
  EXPECT_FALSE(platform::WriteWholeFile("", "x"));
  EXPECT_EQ(Names(), std::vector<std::string>{"thememd.ini"});
}

TEST_F(Win32FilesTest, AFailedWriteLeavesTheOldFileAndNoTemporary) {
  WriteBytes(target, "old");
  for (bool platform::FileFaults::*fault :
       {&platform::FileFaults::failCreateTemporary, &platform::FileFaults::shortWrite,
        &platform::FileFaults::failRename}) {
    platform::Faults() = {};
    platform::Faults().*fault = true;
    EXPECT_FALSE(platform::WriteWholeFile(target, "new and longer"));
    EXPECT_EQ(ReadBytes(target), "old");
    EXPECT_EQ(Names(), std::vector<std::string>{"thememd.ini"});
  }
}

TEST_F(Win32FilesTest, DeleteFileRemovesFilesOnly) {
  WriteBytes(target, "x");
  std::filesystem::create_directory(At("sub"));
  EXPECT_FALSE(platform::DeleteFile(At("sub")));
  EXPECT_TRUE(std::filesystem::is_directory(At("sub")));
  EXPECT_FALSE(platform::DeleteFile(At("missing.ini")));
  faults->failDelete = true;
  EXPECT_FALSE(platform::DeleteFile(target));
  EXPECT_TRUE(std::filesystem::exists(target));
  faults->failDelete = false;
  EXPECT_TRUE(platform::DeleteFile(At("THEMEMD.INI")));
  EXPECT_FALSE(std::filesystem::exists(target));
}

TEST_F(Win32FilesTest, CopyFileReplacingInChunksWithProgress) {
  std::string archive(3 * (1 << 20) + 5, '\0');
  for (std::size_t i = 0; i < archive.size(); ++i) archive[i] = static_cast<char>(i * 7 % 251);
  WriteBytes(At("theme.mix"), archive);
  WriteBytes(At("ecachethemeHG.mix"), "last year's copy");
  std::vector<std::pair<std::uint64_t, std::uint64_t>> steps;
  EXPECT_TRUE(platform::CopyFileReplacing(
      At("theme.mix"), At("ecachethemeHG.mix"),
      [&steps](std::uint64_t done, std::uint64_t total) { steps.emplace_back(done, total); }));
  EXPECT_EQ(ReadBytes(At("ecachethemeHG.mix")), archive);
  ASSERT_EQ(steps.size(), 4u);
  EXPECT_EQ(steps.front(), std::make_pair(std::uint64_t{1 << 20}, std::uint64_t{archive.size()}));
  EXPECT_EQ(steps.back(), std::make_pair(std::uint64_t{archive.size()}, std::uint64_t{archive.size()}));
  EXPECT_FALSE(platform::CopyFileReplacing(At("missing.mix"), At("copy.mix"), nullptr));
  EXPECT_FALSE(platform::CopyFileReplacing(At("theme.mix"), At("missing\\copy.mix"), nullptr));
  EXPECT_EQ(Names(), (std::vector<std::string>{"ecachethemeHG.mix", "theme.mix"}));
}

}  // namespace
}  // namespace kvpm::testing
