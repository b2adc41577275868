// Every input that once broke a fuzz property, kept in
// tests/fixtures/fuzz/<target>/, holds it now.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fuzz/Properties.h"

namespace kvpm::test {
namespace {

TEST(FuzzReplayTest, EveryInputThatOnceBrokeAPropertyHoldsIt) {
  for (const auto& entry :
       std::filesystem::recursive_directory_iterator(KVPM_FIXTURES_DIR "/fuzz")) {
    if (!entry.is_regular_file() || entry.path().filename().string().starts_with(".")) continue;
    FakePrefix prefix;
    const std::string target = entry.path().parent_path().filename().string();
    EXPECT_EQ(fuzz::CheckProperty(target, ReadBytes(entry.path().string()), prefix), "")
        << entry.path();
  }
}

}  // namespace
}  // namespace kvpm::test
