#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "platform/Files.h"
#include "support/FaultGuard.h"
#include "support/TempFolder.h"

namespace kvpm::testing {
namespace {

using platform::ReadStatus;

std::vector<std::string> Names(const TempFolder& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class FilesTest : public ::testing::Test {
 protected:
  TempFolder folder;
  FaultGuard faults;
  std::string target = folder.Native("thememd.ini");
};

TEST_F(FilesTest, ReadWholeFileTellsMissingFromUnreadable) {
  std::string bytes = "stale";
  EXPECT_EQ(platform::ReadWholeFile(target, bytes), ReadStatus::Missing);
  EXPECT_EQ(bytes, "");
  EXPECT_EQ(platform::ReadWholeFile(folder.Native("no/such/file"), bytes), ReadStatus::Missing);
  EXPECT_EQ(platform::ReadWholeFile("Q:\\nothing", bytes), ReadStatus::Missing);
  EXPECT_EQ(platform::ReadWholeFile(folder.Native(), bytes), ReadStatus::Unreadable);
  ASSERT_EQ(mkfifo(folder.Native("pipe").c_str(), 0600), 0);
  EXPECT_EQ(platform::ReadWholeFile(folder.Native("pipe"), bytes), ReadStatus::Unreadable);
  WriteBytes(target, std::string("a\0b\xff\r\n", 6));
  EXPECT_EQ(platform::ReadWholeFile(target, bytes), ReadStatus::Ok);
  EXPECT_EQ(bytes, std::string("a\0b\xff\r\n", 6));
  faults->failRead = true;
  EXPECT_EQ(platform::ReadWholeFile(target, bytes), ReadStatus::Unreadable);
  EXPECT_EQ(bytes, "");
}

TEST_F(FilesTest, WriteWholeFileCreatesAndReplaces) {
  EXPECT_TRUE(platform::WriteWholeFile(target, "first"));
  EXPECT_EQ(ReadBytes(target), "first");
  ASSERT_EQ(chmod(target.c_str(), 0640), 0);
  EXPECT_TRUE(platform::WriteWholeFile(target, "second"));
  EXPECT_EQ(ReadBytes(target), "second");
  struct stat status;
  ASSERT_EQ(stat(target.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0640u);
  EXPECT_EQ(Names(folder), std::vector<std::string>{"thememd.ini"});
}

TEST_F(FilesTest, WriteWholeFileWritesThroughALink) {
  WriteBytes(folder.Path() / "real.ini", "old");
  std::filesystem::create_symlink("real.ini", folder.Path() / "link.ini");
  EXPECT_TRUE(platform::WriteWholeFile(folder.Native("link.ini"), "new"));
  EXPECT_TRUE(std::filesystem::is_symlink(folder.Path() / "link.ini"));
  EXPECT_EQ(ReadBytes(folder.Path() / "real.ini"), "new");
}

TEST_F(FilesTest, EveryInjectedWriteFaultLeavesTheOldFileAndNoTemporary) {
  for (bool platform::FileFaults::*fault :
       {&platform::FileFaults::failCreateTemporary, &platform::FileFaults::shortWrite,
        &platform::FileFaults::failRename}) {
    WriteBytes(target, "old contents");
    platform::Faults() = {};
    platform::Faults().*fault = true;
    EXPECT_FALSE(platform::WriteWholeFile(target, "new contents that are longer"));
    EXPECT_EQ(ReadBytes(target), "old contents");
    EXPECT_EQ(Names(folder), std::vector<std::string>{"thememd.ini"});
    std::filesystem::remove(target);
    EXPECT_FALSE(platform::WriteWholeFile(target, "new contents"));
    EXPECT_TRUE(Names(folder).empty());
  }
}

TEST_F(FilesTest, WriteWholeFileFailsWhereNoFileCanBe) {
  WriteBytes(folder.Path() / "plain", "a file");
  EXPECT_FALSE(platform::WriteWholeFile(folder.Native("plain/thememd.ini"), "x"));
  EXPECT_FALSE(platform::WriteWholeFile(folder.Native("missing/thememd.ini"), "x"));
  std::filesystem::create_directory(folder.Path() / "sub");
  EXPECT_FALSE(platform::WriteWholeFile(folder.Native("sub"), "x"));
  EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "sub"));
  EXPECT_FALSE(platform::WriteWholeFile("Q:\\thememd.ini", "x"));
  EXPECT_EQ(Names(folder), (std::vector<std::string>{"plain", "sub"}));
}

TEST_F(FilesTest, DeleteFileRemovesFilesOnly) {
  WriteBytes(target, "x");
  std::filesystem::create_directory(folder.Path() / "sub");
  faults->failDelete = true;
  EXPECT_FALSE(platform::DeleteFile(target));
  EXPECT_TRUE(std::filesystem::exists(target));
  faults->failDelete = false;
  EXPECT_TRUE(platform::DeleteFile(target));
  EXPECT_FALSE(std::filesystem::exists(target));
  EXPECT_FALSE(platform::DeleteFile(target));
  EXPECT_FALSE(platform::DeleteFile(folder.Native("sub")));
  EXPECT_TRUE(std::filesystem::exists(folder.Path() / "sub"));
}

class CopyFileTest : public FilesTest {
 protected:
  void SetUp() override {
    for (std::size_t i = 0; i < source.size(); ++i) source[i] = static_cast<char>(i * 7 % 251);
    WriteBytes(folder.Path() / "theme.mix", source);
  }

  bool Copy() {
    progress.clear();
    return platform::CopyFileReplacing(
        folder.Native("theme.mix"), target,
        [this](std::uint64_t done, std::uint64_t total) { progress.emplace_back(done, total); });
  }

  std::string source = std::string((5 << 20) / 2, '\0');  // two and a half chunks
  std::string target = folder.Native("ecachetheme.mix");
  std::vector<std::pair<std::uint64_t, std::uint64_t>> progress;
};

TEST_F(CopyFileTest, CopiesInChunksAndReportsProgress) {
  WriteBytes(target, "an older copy");
  EXPECT_TRUE(Copy());
  EXPECT_EQ(ReadBytes(target), source);
  const std::uint64_t total = source.size();
  EXPECT_EQ(progress, (std::vector<std::pair<std::uint64_t, std::uint64_t>>{
                          {1 << 20, total}, {2 << 20, total}, {total, total}}));
  EXPECT_EQ(Names(folder), (std::vector<std::string>{"ecachetheme.mix", "theme.mix"}));
}

TEST_F(CopyFileTest, AnEmptyFileCopiesWithoutProgress) {
  WriteBytes(folder.Path() / "theme.mix", "");
  EXPECT_TRUE(Copy());
  EXPECT_EQ(ReadBytes(target), "");
  EXPECT_TRUE(progress.empty());
  EXPECT_TRUE(platform::CopyFileReplacing(folder.Native("theme.mix"), folder.Native("b"), nullptr));
}

TEST_F(CopyFileTest, InjectedFailuresLeaveNoPartialFile) {
  for (bool platform::FileFaults::*fault :
       {&platform::FileFaults::failCreateTemporary, &platform::FileFaults::shortWrite,
        &platform::FileFaults::failRename}) {
    platform::Faults() = {};
    platform::Faults().*fault = true;
    EXPECT_FALSE(Copy());
    EXPECT_EQ(Names(folder), std::vector<std::string>{"theme.mix"});
    WriteBytes(target, "kept");
    EXPECT_FALSE(Copy());
    EXPECT_EQ(ReadBytes(target), "kept");
    std::filesystem::remove(target);
  }
}

TEST_F(CopyFileTest, MissingOrOddSourcesCopyNothing) {
  EXPECT_FALSE(platform::CopyFileReplacing(folder.Native("missing.mix"), target, nullptr));
  EXPECT_FALSE(platform::CopyFileReplacing(folder.Native(), target, nullptr));
  EXPECT_FALSE(
      platform::CopyFileReplacing(folder.Native("theme.mix"), folder.Native("no/x"), nullptr));
  EXPECT_EQ(Names(folder), std::vector<std::string>{"theme.mix"});
}

}  // namespace
}  // namespace kvpm::testing
