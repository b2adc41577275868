#include <gtest/gtest.h>

#include "catalogue/TrackKey.h"

namespace kvpm {
namespace {

TEST(TrackKey, CapitalisesEachWordAndDropsTheBlanks) {
  EXPECT_EQ(TrackKey("VM", "Last Light on the Fen"), "THEME:VM_LastLightOnTheFen");
  EXPECT_EQ(TrackKey("QN", "goat path at dusk"), "THEME:QN_GoatPathAtDusk");
  // Only the first character changes; the rest of a word keeps its case.
  EXPECT_EQ(TrackKey("HG", "mcALLISTER's KV"), "THEME:HG_McALLISTER'sKV");
}

TEST(TrackKey, KeepsEveryCharacterButBlanks) {
  EXPECT_EQ(TrackKey("VM", "Blood & Brass"), "THEME:VM_Blood&Brass");
  EXPECT_EQ(TrackKey("PW", "The Miller's Daughter"), "THEME:PW_TheMiller'sDaughter");
  EXPECT_EQ(TrackKey("ZEP", "Mr. Halloran's Ascent"), "THEME:ZEP_Mr.Halloran'sAscent");
  EXPECT_EQ(TrackKey("BR", "Cinder Road (Reprise)"), "THEME:BR_CinderRoad(Reprise)");
  EXPECT_EQ(TrackKey("TV", "1047 winter"), "THEME:TV_1047Winter");
  EXPECT_EQ(TrackKey("SL", "Sunscorch*"), "THEME:SL_Sunscorch*");
  EXPECT_EQ(TrackKey("OM", "Witch-light procession"), "THEME:OM_Witch-lightProcession");
}

TEST(TrackKey, WordStartingWithAPunctuationMarkKeepsItsLetters) {
  // The first character of "(live)" is the parenthesis, which has no upper case.
  EXPECT_EQ(TrackKey("BR", "Cinder Road (live)"), "THEME:BR_CinderRoad(live)");
  EXPECT_EQ(TrackKey("BR", "'tis dusk"), "THEME:BR_'tisDusk");
}

TEST(TrackKey, RepeatedLeadingAndTrailingBlanksVanish) {
  EXPECT_EQ(TrackKey("NW", "  Dawn   never  came  "), "THEME:NW_DawnNeverCame");
  EXPECT_EQ(TrackKey("NW", ""), "THEME:NW_");
  EXPECT_EQ(TrackKey("NW", "   "), "THEME:NW_");
}

TEST(TrackKey, DropsOnlyATrailingBracketedRemark) {
  EXPECT_EQ(TrackKey("KV", "Quarn [KV Intro Theme]"), "THEME:KV_Quarn");
  EXPECT_EQ(TrackKey("KV", "Tamber Kit [KV Loading Theme]"), "THEME:KV_TamberKit");
  EXPECT_EQ(TrackKey("HG", "Harrow's Reach [HG Intro Theme]  "), "THEME:HG_Harrow'sReach");
  EXPECT_EQ(TrackKey("HG", "Ash [live] Rain"), "THEME:HG_Ash[live]Rain");
  EXPECT_EQ(TrackKey("HG", "Ash [live] [HG Score Theme]"), "THEME:HG_Ash[live]");
  EXPECT_EQ(TrackKey("HG", "Ash]"), "THEME:HG_Ash]");
  EXPECT_EQ(TrackKey("HG", "[Only A Remark]"), "THEME:HG_");
}

TEST(TrackKey, BytesAboveAsciiPassThroughUnchanged) {
  EXPECT_EQ(TrackKey("OM",
                     "\xE9lan \xFC"
                     "ber alles"),
            "THEME:OM_\xE9lan\xFC"
            "berAlles");
}

}  // namespace
}  // namespace kvpm
