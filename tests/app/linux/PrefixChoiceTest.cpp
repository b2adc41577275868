// Which prefix the start-up takes, over a fake home folder whose launchers keep three
// prefixes: Lutris' and Bottles' hold the game, ~/.wine does not.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/PrefixChoice.h"
#include "app/Startup.h"
#include "platform/Environment.h"
#include "support/FakeDialogs.h"
#include "support/FakePrefix.h"

namespace kvpm::test {
namespace {

class PrefixChoiceTest : public ::testing::Test {
 protected:
  PrefixChoiceTest() {
    lutris.InstallGame();
    bottles.InstallGame();
    std::filesystem::create_directories(program);
    for (const auto& [prefix, place] : {std::pair{&empty, "/.wine"}, {&lutris, "/Games/rts"},
                                        {&bottles, "/.local/share/bottles/bottles/Classic"}}) {
      std::filesystem::create_directories(std::filesystem::path(home + place).parent_path());
      std::filesystem::create_directory_symlink(prefix->Root(), home + place);
    }
    setenv("HOME", home.c_str(), 1);
    unsetenv("WINEPREFIX");
  }
  ~PrefixChoiceTest() override {
    setenv("HOME", oldHome.c_str(), 1);
    if (!oldPrefix.empty()) setenv("WINEPREFIX", oldPrefix.c_str(), 1);
  }

  // A start of the program with a user who answers the prefix question so (nullopt: Cancel).
  StartupOutcome Start(std::deque<std::optional<PrefixAnswer>> answers,
                       const std::string& given = "") {
    FakeDialogs dialogs;
    dialogs.prefixChoices = answers;
    MainState state{dialogs};
    const StartupOutcome outcome = InitialiseMainWindow(state, program, given);
    offers = dialogs.prefixOffers;
    return outcome;
  }
  std::string InForce() const { return platform::CurrentEnvironment().prefix; }

  FakePrefix world, empty, lutris, bottles;
  std::string home = world.Root() + "/home", program = world.Root() + "/program";
  std::string oldHome = platform::EnvironmentVariable("HOME");
  std::string oldPrefix = platform::EnvironmentVariable("WINEPREFIX");
  std::vector<std::vector<PrefixOffer>> offers;
};

TEST_F(PrefixChoiceTest, TheChoiceAmongSeveralIsRememberedWhileItHoldsTheGame) {
  EXPECT_EQ(Start({PrefixAnswer{1, true}}), StartupOutcome::ShowWindowAndAbout);
  const std::string classic = home + "/.local/share/bottles/bottles/Classic";
  std::string listed;  // each question's offers
  for (const auto& asked : offers) {
    for (const auto& o : asked) listed += o.launcher + " " + o.folder + " " + o.gameFolder + "|";
  }
  EXPECT_EQ(listed, "Lutris " + home + "/Games/rts C:\\Games\\Korvale\\|Bottles " + classic +
                        " C:\\Games\\Korvale\\|");
  EXPECT_EQ(InForce(), classic);
  const std::string settings = ReadBytes(program + "/kvpm.ini");
  EXPECT_TRUE(settings.ends_with("\r\n\r\n[RecentFiles]\r\n\r\n[Wine]\r\nPrefix=" + classic +
                                 "\r\n")) << settings;

  EXPECT_EQ(Start({}), StartupOutcome::ShowWindow);  // nothing asked
  EXPECT_TRUE(offers.empty());
  EXPECT_EQ(InForce(), classic);
  // Gone from there: the only prefix left with the game is taken without asking, and not
  // remembered.
  std::filesystem::remove(classic);
  EXPECT_EQ(Start({}), StartupOutcome::ShowWindow);
  EXPECT_EQ(InForce(), home + "/Games/rts");
  EXPECT_EQ(ReadBytes(program + "/kvpm.ini"), settings);
}

TEST_F(PrefixChoiceTest, ANamedPrefixIsTakenAndACancelledChoiceEndsTheProgram) {
  EXPECT_EQ(Start({}, empty.Root()), StartupOutcome::EndProgram);  // no game there
  EXPECT_EQ(InForce(), empty.Root());
  EXPECT_EQ(Start({PrefixAnswer{0, false}}), StartupOutcome::ShowWindowAndAbout);
  EXPECT_EQ(InForce(), home + "/Games/rts");
  EXPECT_EQ(ReadBytes(program + "/kvpm.ini").find("[Wine]"), std::string::npos);  // not remembered
  EXPECT_EQ(Start({std::nullopt}), StartupOutcome::EndProgram);  // asked, and cancelled
  EXPECT_EQ(offers.size(), 1u);
}

}  // namespace
}  // namespace kvpm::test
