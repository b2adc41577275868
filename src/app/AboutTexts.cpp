#include "app/AboutTexts.h"

namespace kvpm {

std::string VersionLine(int major, int minor, int revision) {
  std::string line = "Version " + std::to_string(major) + "." + std::to_string(minor);
  if (revision != 0) line.append(".").append(std::to_string(revision));
  return line;
}

std::string AboutContact() {
  return "If you encounter any bugs or problems with this program then please contact "
         "the KV Playlist Manager team at the KV Playlist Manager home page (" +
         kHomePage + ") with as much information as possible.";
}

std::string FaqIntroduction() {
  return "Below is a list of the most common questions about the Playlist Manager, and their "
         "answers. If you need further help with this program then please visit " +
         kHomePage;
}

const std::array<FaqBlock, 6>& FaqBlocks() {
  static const std::array<FaqBlock, 6> blocks = {{
      {"Frame1", "Label1",
       "Q: How do I choose what the \"Custom\" option is for the Intro, Loading and Score tracks?",
       "A: By right-clicking on the track you want from the Individual Track Selection frame and "
       "then left clicking on the desired option from the popup menu."},
      {"Frame4", "Label5", "Q: What does \"Generic Mod\" Soundtrack mean?",
       "A: If a mod includes KVPM support then you can choose whether or not to enable that mod's "
       "soundtrack."},
      {"Frame5", "Label6", "Q: Why isn't anything playing on the Main Menu?",
       "A: If you have chosen \"Generic Mod Intro Track\" as your Main Menu track but are not "
       "running a mod (or you are running a mod that does not include KVPM support) then no track "
       "will play."},
      {"Frame2", "Label2", "Q: Why are some of the Available Soundtrack checkboxes disabled?",
       "A: Because you don't have those soundtracks. You must download or create the soundtracks "
       "yourself. Instructions on how to do this can be found at " +
           kHomePage},
      {"Frame6", "Label7", "Q: How do I make my own soundtrack?",
       "A: The KVPM only enables the playing of your custom soundtrack, it doesn't help you to "
       "make one. For information on this, download the soundtrack guide from " +
           kHomePage},
      {"Frame3", "Label4",
       "Q: Why do I need to copy the Korvale soundtrack to my Harrowgate folder?",
       "A: You don't need to, but it can stop those annoying little pauses in-game whilst the CD "
       "is accessed in order to play the next track. If you have the space then it is highly "
       "reccommended."},
  }};
  return blocks;
}

}  // namespace kvpm
