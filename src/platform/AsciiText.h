#pragma once
// Letter case and blanks the way Windows names treat them: only the ASCII
// letters have a case, bytes above 127 compare exactly, and a blank is a
// space or a tab.

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

char LowerAscii(char c);
std::string LowerAscii(std::string_view text);
bool EqualNoCase(std::string_view a, std::string_view b);

bool IsBlank(char c);
std::string_view TrimBlanks(std::string_view text);
std::string_view TrimTrailingBlanks(std::string_view text);

// One line of a text: [start, contentEnd) is its content, [contentEnd, end)
// its line end: "\r\n", "\n\r", a lone "\n" or "\r", or nothing for an
// unterminated last line.
struct LineSpan {
  std::size_t start;
  std::size_t contentEnd;
  std::size_t end;
};

// The line that starts at `start`, which must lie inside the text. Walk a
// text with: for (pos = 0; pos < text.size(); pos = line.end).
LineSpan LineAt(std::string_view text, std::size_t start);

}  // namespace platform
