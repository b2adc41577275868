#include "platform/Environment.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

#include "platform/ProgramFolder.h"

namespace kvpm::test {
namespace {

// Sets environment variables (nullptr: removes them) and puts the old
// values back at the end.
class EnvironmentTest : public ::testing::Test {
 protected:
  ~EnvironmentTest() override {
    for (const auto& [name, value] : saved_) Set(name.c_str(), value ? value->c_str() : nullptr);
  }

  void Set(const char* name, const char* value) {
    const char* old = std::getenv(name);
    saved_.try_emplace(name, old ? std::optional<std::string>(old) : std::nullopt);
    value ? setenv(name, value, 1) : unsetenv(name);
  }

 private:
  std::map<std::string, std::optional<std::string>> saved_;
};

TEST_F(EnvironmentTest, ThePrefixAndTheSettingsFolderFollowWineAndXdg) {
  struct Case {
    const char *home, *winePrefix, *configHome;
    std::string prefix, settings;
  } const cases[] = {
      {"/home/a", "/games/prefix", "/cfg", "/games/prefix", "/cfg/kvpm"},
      {"/home/a", "", "relative", "/home/a/.wine", "/home/a/.config/kvpm"},
      {"/home/a", nullptr, nullptr, "/home/a/.wine", "/home/a/.config/kvpm"},
      {nullptr, nullptr, nullptr, std::string(getpwuid(getuid())->pw_dir) + "/.wine",
       std::string(getpwuid(getuid())->pw_dir) + "/.config/kvpm"},
  };
  for (const Case& c : cases) {
    Set("HOME", c.home);
    Set("WINEPREFIX", c.winePrefix);
    Set("XDG_CONFIG_HOME", c.configHome);
    EXPECT_EQ(platform::DefaultPrefix(), c.prefix);
    EXPECT_EQ(platform::UserConfigFolder(), c.settings);
  }
}

}  // namespace
}  // namespace kvpm::test
