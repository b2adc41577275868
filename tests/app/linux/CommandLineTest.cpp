// kvpm run as a launcher runs it: a copy of the program beside the fake
// installation's kvpm.ini, the prefix from WINEPREFIX, and no display.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "playlistfiles/PlaylistReader.h"
#include "support/Program.h"
#include "theme/ThemeWriter.h"

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

// Row by row, on the files the row before left. A theme file still there is a
// failed deactivation, whoever wrote it; HGMD.INI left as it was does not undo
// an activation, but the result line says so. Only Qt's options go to the window.
TEST_F(CommandLineTest, ActivatesAndDeactivatesAsTheFileMenuDoesAndSaysHowItWent) {
  std::filesystem::copy_file(KVPM_PROGRAM, programFolder + "/kvpm");
  const std::string playlist = programFolder + "/rock.kvl", theme = Game("thememd.ini");
  WriteBytes(playlist, "[Themes]\r\n160=x\r\n214=x\r\n[KVPMINTR]\r\nOption=0");  // 160: Quillan's
  Start();
  ASSERT_TRUE(LoadPlaylistFile(state, playlist));
  std::string warning = dialogs.texts.at(0) + "\n";  // lines end in LF on a console
  std::erase(warning, '\r');
  const std::string done = "Custom playlist activated.\n", none = " does not exist!\n";
  const std::string unknown = "2||Unknown option 'bogus'.\n\nUsage: ./kvpm [options]\n";
  // readOnly: a game file written read-only (bytes) before the run; result: the
  // start of the status, standard output and standard error.
  const struct { std::string readOnly, bytes, arguments, result; } rows[] = {
      {"", "", "--activate rock.kvl", "0|Activated: " + theme + "\n|" + warning + done},
      {"", "", "-deactivate", "0|Deactivated: " + theme + "\n|\"" + theme +
                                  "\" deleted - custom playlist deactivated.\n"},
      {"", "", "--deactivate", "0|Nothing to deactivate: " + theme + " does not exist.\n|"},
      {"HGMD.INI", "[Audio]\r\n", "--activate rock.kvl",
       "0|Activated: " + theme + "; the game's audio settings were left as they were.\n|" +
           warning + "Could not update the game's audio settings in \"" + Game("HGMD.INI") +
           "\".\n" + done},
      {"thememd.ini", "[Themes]\r\n1=x\r\n", "--deactivate", "1||Error deactivating playlist.\n"},
      {"", "", "--activate none.kvl", "1||\"" + programFolder + "/none.kvl\"" + none},
      {"", "", "--activate -reverse", "1||\"" + programFolder + "/-reverse\"" + none},
      {"", "", "--prefix " + programFolder + " --deactivate",
       "1||Harrowgate is not installed! Please install Harrowgate.\n"},
      {"", "", "--deactivate --activate x", "2||--activate and --deactivate cannot be given"},
      {"", "", "--bogus", unknown}, {"", "", "-style=fusion x", "2||Unexpected argument: x"},
      {"", "", "-bogus", unknown}, {"", "", "-platform offscreen --bogus", unknown},
      {"", "", "--version", "0|KV Playlist Manager 2.0\n|"},
      {"", "", "--help-all", "0|Usage: ./kvpm [options]\n"}};
  for (const auto& row : rows) {
    if (!row.readOnly.empty()) {
      std::filesystem::permissions(prefix.CreateFile(Game(row.readOnly), row.bytes),
                                   std::filesystem::perms::owner_read);
    }
    EXPECT_EQ(Run(row.arguments).substr(0, row.result.size()), row.result) << row.arguments;
  }
  EXPECT_EQ(GameBytes("HGMD.INI"), "[Audio]\r\n");
  EXPECT_NE(Run("--help-all").find("\n  -platform NAME\n"), std::string::npos);
}

}  // namespace
}  // namespace kvpm::test
