#pragma once
// The name key of a game track, which the theme file carries on the track's
// Name line.

#include <string>

namespace kvpm {

// "THEME:" + code + "_" + the title's words: a trailing bracketed remark is
// dropped, each blank-separated word gets its first character upper-cased,
// the blanks go and every other character stays as it is.
std::string TrackKey(const std::string& code, const std::string& title);

}  // namespace kvpm
