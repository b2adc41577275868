#pragma once
// The soundtracks that play a part of their own beyond the table.

namespace kvpm {

constexpr int kHarrowgateSoundtrack = 8;   // its archive is what cmdHG copies and deletes
constexpr int kKorvaleSoundtrack = 9;      // the expansion's own music, always available
constexpr int kGenericModSoundtrack = 14;  // a modification's music, always available

}  // namespace kvpm
