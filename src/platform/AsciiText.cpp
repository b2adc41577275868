#include "platform/AsciiText.h"

#include <algorithm>

namespace platform {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = LowerAscii(c);
  return lower;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimTrailingBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return TrimTrailingBlanks(text);
}

LineSpan LineAt(std::string_view text, std::size_t start) {
  // Two searches for one byte each are far faster than one for either byte.
  const std::size_t lineFeed = std::min(text.find('\n', start), text.size());
  const std::size_t contentEnd = std::min(text.substr(0, lineFeed).find('\r', start), lineFeed);
  std::size_t end = contentEnd;
  if (end < text.size()) {
    const char first = text[end++];
    if (end < text.size() && (text[end] == '\r' || text[end] == '\n') && text[end] != first) ++end;
  }
  return {start, contentEnd, end};
}

}  // namespace platform
