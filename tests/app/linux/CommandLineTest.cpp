// kvpm run as a launcher runs it: a copy of the program beside the fake
// installation's kvpm.ini, the prefix from WINEPREFIX, and no display.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "playlistfiles/PlaylistReader.h"
#include "support/Program.h"

namespace kvpm::test {
namespace {

class CommandLineTest : public Program {
 protected:
  // The exit status, standard output and standard error, joined by "|".
  std::string Run(const std::string& arguments) {
    const std::string out = prefix.Root() + "/out", err = prefix.Root() + "/err";
    const std::string env = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM WINEPREFIX='";
    const int status = std::system(("cd '" + programFolder + "' && " + env + prefix.Root() +
                                    "' ./kvpm " + arguments + " >" + out + " 2>" + err).c_str());
    return std::to_string(WEXITSTATUS(status)) + "|" + ReadBytes(out) + "|" + ReadBytes(err);
  }
};

TEST_F(CommandLineTest, ActivatesAndDeactivatesAsTheFileMenuDoesAndSaysHowItWent) {
  std::filesystem::copy_file(KVPM_PROGRAM, programFolder + "/kvpm");
  const std::string playlist = programFolder + "/rock.kvl", theme = Game("thememd.ini");
  WriteBytes(playlist, "[Themes]\r\n160=x\r\n214=x\r\n[KVPMINTR]\r\nOption=0");  // 160: Quillan's
  Start();
  ASSERT_TRUE(LoadPlaylistFile(state, playlist));
  std::string warning = dialogs.texts.at(0);  // lines end in LF on a console
  std::erase(warning, '\r');
  EXPECT_EQ(Run("--activate rock.kvl"),
            "0|Activated: " + theme + "\n|" + warning + "\nCustom playlist activated.\n");
  EXPECT_EQ(GameBytes("thememd.ini"), ThemeText());
  EXPECT_EQ(Run("-deactivate"), "0|Deactivated: " + theme + "\n|\"" + theme +
                                    "\" deleted - custom playlist deactivated.\n");
  EXPECT_EQ(GameBytes("thememd.ini"), "");
  for (const auto& [arguments, result] : std::initializer_list<std::pair<std::string, std::string>>{
           {"--activate none.kvl", "1||\"" + programFolder + "/none.kvl\" does not exist!\n"},
           {"--prefix " + programFolder + " --deactivate",
            "1||Harrowgate is not installed! Please install Harrowgate.\n"},
           {"--deactivate --activate x",
            "2||--activate and --deactivate cannot be given together."},
           {"--bogus", "2||Unknown option 'bogus'."},
           {"x", "2||Unexpected argument: x"}}) {
    EXPECT_EQ(Run(arguments).substr(0, result.size()), result);
  }
  EXPECT_EQ(Run("--version"), "0|KV Playlist Manager 2.0\n|");
}

}  // namespace
}  // namespace kvpm::test
