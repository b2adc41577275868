#include "catalogue/TrackKey.h"

namespace kvpm {
namespace {

// The title without a trailing remark such as " [KV Intro Theme]".
std::string WithoutTrailingRemark(const std::string& title) {
  const std::size_t end = title.find_last_not_of(' ');
  if (end == std::string::npos || title[end] != ']') return title;
  const std::size_t open = title.rfind('[', end);
  return open == std::string::npos ? title : title.substr(0, open);
}

// ASCII only, so that the key does not depend on the locale and bytes above
// 127 pass through untouched.
char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::string TrackKey(const std::string& code, const std::string& title) {
  std::string key = "THEME:" + code + "_";
  bool wordStart = true;
  for (const char c : WithoutTrailingRemark(title)) {
    if (c == ' ') {
      wordStart = true;
      continue;
    }
    key += wordStart ? UpperAscii(c) : c;
    wordStart = false;
  }
  return key;
}

}  // namespace kvpm
