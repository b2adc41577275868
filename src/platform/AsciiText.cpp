#include "platform/AsciiText.h"

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
  std::size_t newline = text.find('\n', start);
  if (newline == std::string_view::npos) return {start, text.size(), text.size()};
  std::size_t contentEnd = newline > start && text[newline - 1] == '\r' ? newline - 1 : newline;
  return {start, contentEnd, newline + 1};
}

}  // namespace platform
