// kvpm run as a launcher runs it: a copy of the program beside the fake installation's
// kvpm.ini, the prefix from WINEPREFIX, a home folder of the test's own, and no display.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "platform/linux/KeyHeaderSearch.h"
#include "support/Program.h"

namespace kvpm::test {
namespace {

class CommandLineTest : public Program {
 protected:
  // The exit status, standard output and standard error, joined by "|".
  std::string Run(const std::string& arguments) {
    const std::string out = prefix.Root() + "/out", err = prefix.Root() + "/err";
    std::filesystem::copy_file(KVPM_PROGRAM, programFolder + "/kvpm",
                               std::filesystem::copy_options::skip_existing);
    const std::string run = "cd '" + programFolder + "' && env -u DISPLAY -u WAYLAND_DISPLAY -u "
        "QT_QPA_PLATFORM -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME='" + home + "' WINEPREFIX='" +
        prefix.Root() + "' ./kvpm " + arguments + " >" + out + " 2>" + err;
    const int status = std::system(run.c_str());
    return std::to_string(WEXITSTATUS(status)) + "|" + ReadBytes(out) + "|" + ReadBytes(err);
  }

  std::string home = prefix.Root() + "/home";
};

// Row by row, on the files the row before left. A theme file still there is a failed
// deactivation, whoever wrote it; HGMD.INI left as it was does not undo an activation, but
// the result line says so. Only Qt's options go to the window.
TEST_F(CommandLineTest, ActivatesAndDeactivatesAsTheFileMenuDoesAndSaysHowItWent) {
  const std::string playlist = programFolder + "/rock.kvl", theme = Game("thememd.ini");
  WriteBytes(playlist, "[Themes]\r\n160=x\r\n214=x\r\n[KVPMINTR]\r\nOption=0");  // 160: Quillan's
  const std::string warning = "Some tracks from the playlist \"rock.kvl\" could not be enabled "
      "because you do not have the soundtrack files that they belong to.\nTracks from the "
      "following soundtracks have not been enabled:\n\nQuillan\n";  // lines end in LF on a console
  const std::string done = "Custom playlist activated.\n", none = " does not exist!\n";
  const std::string unknown = "2||Unknown option 'bogus'.\n\nUsage: ./kvpm [options]\n";
  // readOnly: a game file written read-only (bytes) before the run; result: the start of
  // the status, standard output and standard error.
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
      {"", "", "--list-prefixes --deactivate", "2||--list-prefixes cannot be given with"},
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

TEST_F(CommandLineTest, ListsThePrefixesFoundWithTheGameFolderEachNames) {
  FakePrefix anthology, none;
  for (const auto& [name, text] : {std::pair{"hg_folder", "C:\\HG"}, {"kv_folder", "D:\\KV"}}) {
    anthology.SetValue("software\\morvane\\morvane games\\velmora anthology", name, text);
  }
  // The game's keys behind 20 MB of others, as in a long-lived prefix, the first one's
  // header cut where a chunk of the quick look ends.
  std::string keys = ReadBytes(prefix.Root() + "/system.reg"), filler = "[F] 1\n@=\"\"\n";
  const std::size_t at = keys.find("\n[") + 1, cut = 80 * platform::kRegistryChunk + 5;
  filler.insert(filler.size() - 2, cut - keys.find(']', at) - filler.size(), 'x');
  WriteBytes(prefix.Root() + "/system.reg", keys.insert(at, filler));
  std::filesystem::create_directories(home + "/Games");
  for (const auto& [link, target] : {std::pair{"/.wine", prefix.Root()},
                                     {"/Games/anthology", anthology.Root()},
                                     {"/Games/none", none.Root()}}) {
    std::filesystem::create_directory_symlink(target, home + link);
  }
  EXPECT_EQ(Run("--list-prefixes"), "0|Wine\t" + home + "/.wine\t" + kGameFolder + "\nLutris\t" +
                                        home + "/Games/anthology\tD:\\KV\nLutris\t" + home +
                                        "/Games/none\t\n|");
}

}  // namespace
}  // namespace kvpm::test
