#include "platform/Paths.h"

#include "platform/AsciiText.h"

namespace platform {

bool WildcardMatch(const std::string& name, const std::string& pattern, bool ignoreCase) {
  std::size_t n = 0, p = 0;
  std::size_t starPattern = std::string::npos, starName = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starPattern = p++;
      starName = n;
    } else if (p < pattern.size() &&
               (pattern[p] == '?' || pattern[p] == name[n] ||
                (ignoreCase && LowerAscii(pattern[p]) == LowerAscii(name[n])))) {
      ++p;
      ++n;
    } else if (starPattern != std::string::npos) {
      p = starPattern + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace platform
