#include "platform/Files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "lean/FakePrefix.h"
#include "platform/ProgramFolder.h"

namespace kvpm::test {
namespace {

namespace fs = std::filesystem;
using platform::ReadStatus;

class FilesTest : public ::testing::Test {
 protected:
  FilesTest() { prefix.CreateFolder("C:\\Files"); }

  // What the folder holds: a temporary file left behind shows here.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(prefix.Native("C:\\Files"))) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  FakePrefix prefix;
};

TEST_F(FilesTest, ReadWholeFileGivesTheBytesOrTellsMissingFromUnreadable) {
  const std::string bytes("a\0b\xff\r\n", 6);
  prefix.CreateFile("C:\\Files\\theme.ini", bytes);
  struct Case {
    std::string path;
    ReadStatus status;
    std::string bytes;
  } const cases[] = {{"C:\\Files\\THEME.INI", ReadStatus::Ok, bytes},
                     {"C:\\Files\\missing.ini", ReadStatus::Missing, ""},
                     {"C:\\Files\\missing\\theme.ini", ReadStatus::Missing, ""},
                     {"Q:\\theme.ini", ReadStatus::Missing, ""},
                     {"C:\\Files", ReadStatus::Unreadable, ""}};
  for (const Case& c : cases) {
    std::string read = "stale";
    EXPECT_EQ(platform::ReadWholeFile(c.path, read), c.status) << c.path;
    EXPECT_EQ(read, c.bytes) << c.path;
  }
}

TEST_F(FilesTest, WholeFilesAreReplacedOrDeletedAndNothingIsLeftBeside) {
  prefix.CreateFolder("C:\\Files\\sub");
  EXPECT_TRUE(platform::WriteWholeFile("C:\\Files\\theme.ini", "first"));
  EXPECT_TRUE(platform::WriteWholeFile("C:\\files\\Theme.ini", "second"));
  EXPECT_EQ(ReadBytes(prefix.Native("C:\\Files\\theme.ini")), "second");
  EXPECT_FALSE(platform::WriteWholeFile("C:\\Files\\missing\\theme.ini", "x"));
  EXPECT_FALSE(platform::WriteWholeFile("C:\\Files\\sub", "x"));
  EXPECT_FALSE(platform::WriteWholeFile("Q:\\theme.ini", "x"));
  EXPECT_EQ(Names(), (std::vector<std::string>{"sub", "theme.ini"}));
  EXPECT_TRUE(platform::DeleteFile("C:\\Files\\THEME.ini"));
  EXPECT_FALSE(platform::DeleteFile("C:\\Files\\theme.ini"));
  EXPECT_FALSE(platform::DeleteFile("C:\\Files\\sub"));
  EXPECT_EQ(Names(), std::vector<std::string>{"sub"});
}

TEST_F(FilesTest, CopyFileReplacingCopiesInChunksWithProgressOrNothing) {
  std::string archive((5 << 20) / 2, '\0');  // two and a half chunks
  for (std::size_t i = 0; i < archive.size(); ++i) archive[i] = static_cast<char>(i * 7 % 251);
  prefix.CreateFile("C:\\Files\\theme.mix", archive);
  prefix.CreateFile("C:\\Files\\ecachethemeHG.mix", "an older copy");
  std::vector<std::pair<std::uint64_t, std::uint64_t>> steps;
  EXPECT_TRUE(platform::CopyFileReplacing(
      "C:\\Files\\theme.mix", "C:\\Files\\ecachethemeHG.mix",
      [&steps](std::uint64_t done, std::uint64_t total) { steps.emplace_back(done, total); }));
  EXPECT_EQ(ReadBytes(prefix.Native("C:\\Files\\ecachethemeHG.mix")), archive);
  const std::uint64_t total = archive.size();
  EXPECT_EQ(steps, (decltype(steps){{1 << 20, total}, {2 << 20, total}, {total, total}}));
  prefix.CreateFile("C:\\Files\\empty.mix");
  EXPECT_TRUE(platform::CopyFileReplacing("C:\\Files\\empty.mix", "C:\\Files\\copy.mix", nullptr));
  EXPECT_EQ(ReadBytes(prefix.Native("C:\\Files\\copy.mix")), "");
  EXPECT_FALSE(platform::CopyFileReplacing("C:\\Files\\missing.mix", "C:\\Files\\x.mix", nullptr));
  EXPECT_FALSE(platform::CopyFileReplacing("C:\\Files", "C:\\Files\\x.mix", nullptr));
  EXPECT_FALSE(platform::CopyFileReplacing("C:\\Files\\theme.mix", "C:\\Files\\no\\x.mix", nullptr));
  EXPECT_EQ(Names(),
            (std::vector<std::string>{"copy.mix", "ecachethemeHG.mix", "empty.mix", "theme.mix"}));
}

TEST_F(FilesTest, TheProgramFolderHoldsTheProgramAndAWritableFolderKeepsNoProbe) {
  const fs::path folder = platform::ExecutableFolder();
  EXPECT_TRUE(fs::exists(folder / "kvpm_tests") || fs::exists(folder / "kvpm_tests.exe"));
  prefix.CreateFile("C:\\Files\\plain");
  EXPECT_TRUE(platform::FolderWritable("C:\\Files"));
  EXPECT_FALSE(platform::FolderWritable("C:\\Files\\plain"));
  EXPECT_FALSE(platform::FolderWritable("C:\\Files\\missing"));
  EXPECT_EQ(Names(), std::vector<std::string>{"plain"});
}

}  // namespace
}  // namespace kvpm::test
