#include <gtest/gtest.h>

#include <string>

#include "dialogs/AboutTexts.h"

namespace kvpm {
namespace {

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(VersionLineTest, TheRevisionShowsOnlyWhenItIsNotZero) {
  EXPECT_EQ(VersionLine(2, 0, 0), "Version 2.0");
  EXPECT_EQ(VersionLine(2, 0, 3), "Version 2.0.3");
  EXPECT_EQ(VersionLine(2, 10, 0), "Version 2.10");
  EXPECT_EQ(VersionLine(12, 5, 107), "Version 12.5.107");
  EXPECT_EQ(VersionLine(kVersionMajor, kVersionMinor, kVersionRevision), "Version 2.0");
}

TEST(AboutTextsTest, CreditsAndContactParagraph) {
  EXPECT_EQ(kAboutLastUpdated, "Last updated: 2007-09-24");
  EXPECT_EQ(kAboutCredits, "Credits:");
  EXPECT_EQ(kAboutCreditDesign, "The KV Playlist Manager team - Concept, design and programming.");
  EXPECT_EQ(kAboutCreditTesting,
            "The KV Playlist Manager testers - Testing and general assistance.");
  const std::string contact = AboutContact();
  EXPECT_EQ(contact.rfind(
                "If you encounter any bugs or problems with this program then please contact ", 0),
            0u);
  EXPECT_TRUE(EndsWith(contact, " with as much information as possible.")) << contact;
  EXPECT_NE(contact.find("KV Playlist Manager team"), std::string::npos);
  EXPECT_NE(contact.find(kHomePage), std::string::npos);
}

TEST(AboutTextsTest, TheHomePageIsAnHttpsAddress) {
  EXPECT_EQ(kHomePage.rfind("https://", 0), 0u);
  EXPECT_EQ(kHomePage.back(), '/');
}

TEST(FaqTextsTest, IntroductionAndSixQuestionsInTheirOrder) {
  EXPECT_EQ(FaqIntroduction(),
            "Below is a list of the most common questions about the Playlist Manager, and their "
            "answers. If you need further help with this program then please visit " +
                kHomePage);

  const auto& blocks = FaqBlocks();
  const char* const controls[6][2] = {{"Frame1", "Label1"}, {"Frame4", "Label5"},
                                      {"Frame5", "Label6"}, {"Frame2", "Label2"},
                                      {"Frame6", "Label7"}, {"Frame3", "Label4"}};
  const std::string texts[6][2] = {
      {"Q: How do I choose what the \"Custom\" option is for the Intro, Loading and Score "
       "tracks?",
       "A: By right-clicking on the track you want from the Individual Track Selection frame and "
       "then left clicking on the desired option from the popup menu."},
      {"Q: What does \"Generic Mod\" Soundtrack mean?",
       "A: If a mod includes KVPM support then you can choose whether or not to enable that "
       "mod's soundtrack."},
      {"Q: Why isn't anything playing on the Main Menu?",
       "A: If you have chosen \"Generic Mod Intro Track\" as your Main Menu track but are not "
       "running a mod (or you are running a mod that does not include KVPM support) then no "
       "track will play."},
      {"Q: Why are some of the Available Soundtrack checkboxes disabled?",
       "A: Because you don't have those soundtracks. You must download or create the "
       "soundtracks yourself. Instructions on how to do this can be found at " +
           kHomePage},
      {"Q: How do I make my own soundtrack?",
       "A: The KVPM only enables the playing of your custom soundtrack, it doesn't help you to "
       "make one. For information on this, download the soundtrack guide from " +
           kHomePage},
      {"Q: Why do I need to copy the Korvale soundtrack to my Harrowgate folder?",
       "A: You don't need to, but it can stop those annoying little pauses in-game whilst the "
       "CD is accessed in order to play the next track. If you have the space then it is "
       "highly reccommended."},
  };
  for (int order = 0; order < 6; ++order) {
    SCOPED_TRACE(order);
    EXPECT_STREQ(blocks[order].frameName, controls[order][0]);
    EXPECT_STREQ(blocks[order].labelName, controls[order][1]);
    EXPECT_EQ(blocks[order].question, texts[order][0]);
    EXPECT_EQ(blocks[order].answer, texts[order][1]);
  }
}

}  // namespace
}  // namespace kvpm
