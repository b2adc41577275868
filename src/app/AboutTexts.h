#pragma once
// The fixed texts of the About window (frmAbout) and the FAQ window
// (frmHelp). The windows only lay them out.

#include <array>
#include <string>

namespace kvpm {

// The program's title: the end of every window caption, the title of every
// message box, and the header of the theme files it writes.
inline const std::string kProgramTitle = "KV Playlist Manager";

// The program's version, the project's (CMakeLists.txt): 2.0, revision 0.
inline constexpr int kVersionMajor = KVPM_VERSION_MAJOR;
inline constexpr int kVersionMinor = KVPM_VERSION_MINOR;
inline constexpr int kVersionRevision = KVPM_VERSION_REVISION;

// The program's home page, where help, soundtracks and the soundtrack guide
// are found and problems are reported.
inline const std::string kHomePage = "https://kvpm.example.org/";

// "Version 2.0"; the revision only when it is not 0 ("Version 2.0.3").
std::string VersionLine(int major, int minor, int revision);

// frmAbout's texts, by the labels that show them.
inline const std::string kAboutLastUpdated = "Last updated: 2007-09-24";  // Label3
inline const std::string kAboutCredits = "Credits:";                      // Label1
inline const std::string kAboutCreditDesign =                             // Label4
    "The KV Playlist Manager team - Concept, design and programming.";
inline const std::string kAboutCreditTesting =  // Label5
    "The KV Playlist Manager testers - Testing and general assistance.";
std::string AboutContact();  // Label2

// frmHelp's introduction (Label3) and its six questions, each a frame whose
// caption is the question and whose label is the answer, top to bottom.
std::string FaqIntroduction();

struct FaqBlock {
  const char* frameName;
  const char* labelName;
  std::string question;
  std::string answer;
};
const std::array<FaqBlock, 6>& FaqBlocks();

}  // namespace kvpm
