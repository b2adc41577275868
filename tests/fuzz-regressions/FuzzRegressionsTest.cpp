// Every input that once broke a fuzz property (tests/fixtures/fuzz/<name>/)
// and every seed of the fuzz corpora (fuzz/corpus/<name>/) keeps the
// property, in the normal test run and under the sanitizers.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/FakePrefix.h"
#include "support/FuzzProperties.h"
#include "support/TempFolder.h"

namespace kvpm::testing {
namespace {

const std::filesystem::path kFixtures = KVPM_FIXTURES_DIR;

std::vector<std::filesystem::path> Inputs(const std::string& name) {
  std::vector<std::filesystem::path> inputs;
  for (const std::filesystem::path& folder :
       {kFixtures / "fuzz" / name, kFixtures.parent_path().parent_path() / "fuzz" / "corpus" / name}) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
      if (entry.is_regular_file()) inputs.push_back(entry.path());
    }
  }
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

class FuzzRegressionTest : public ::testing::TestWithParam<std::string> {};

TEST_P(FuzzRegressionTest, EveryKeptInputHoldsTheProperty) {
  FakePrefix prefix;
  const std::unique_ptr<Property> property = MakeProperty(GetParam(), prefix);
  ASSERT_NE(property, nullptr);
  const std::vector<std::filesystem::path> inputs = Inputs(GetParam());
  EXPECT_FALSE(inputs.empty()) << "no seeds for " << GetParam();
  for (const std::filesystem::path& input : inputs) {
    for (const std::string& violation : property->Check(ReadBytes(input))) {
      ADD_FAILURE() << input.filename() << ": " << violation;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Properties, FuzzRegressionTest, ::testing::ValuesIn(PropertyNames()),
                         [](const auto& info) {
                           std::string name = info.param;
                           std::erase(name, '-');
                           return name;
                         });

}  // namespace
}  // namespace kvpm::testing
