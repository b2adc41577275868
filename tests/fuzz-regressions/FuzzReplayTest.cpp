#include <gtest/gtest.h>

#include <filesystem>

#include "fuzz/Properties.h"

namespace kvpm::test {
namespace {

// Each input that once broke a property, in tests/fixtures/fuzz/<target>/.
TEST(FuzzReplayTest, EveryInputThatOnceBrokeAPropertyHoldsIt) {
  const std::filesystem::path kept = KVPM_FIXTURES_DIR "/fuzz";
  for (const auto& input : std::filesystem::recursive_directory_iterator(kept)) {
    if (!input.is_regular_file() || input.path().filename().string().starts_with(".")) continue;
    FakePrefix prefix;
    const std::string target = input.path().parent_path().filename().string();
    EXPECT_EQ(fuzz::CheckProperty(target, ReadBytes(input.path().string()), prefix), "") << input;
  }
}

}  // namespace
}  // namespace kvpm::test
