#include "platform/linux/WineRegistryText.h"

#include <charconv>
#include <cstdint>

#include "platform/Utf16.h"

namespace platform {

namespace {

// Reads up to `maxDigits` digits of the base at `pos`; nullopt when there are none.
std::optional<char32_t> ReadNumber(std::string_view line, std::size_t& pos, int base,
                                   std::size_t maxDigits) {
  std::string_view digits = line.substr(pos, maxDigits);
  std::uint32_t value = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
  if (error != std::errc() || end == digits.data()) return std::nullopt;
  pos += static_cast<std::size_t>(end - digits.data());
  return static_cast<char32_t>(value);
}

char SimpleEscape(char c) {
  constexpr std::string_view letters = "abefnrtv";
  constexpr std::string_view codes = "\a\b\x1b\f\n\r\t\v";
  const std::size_t index = letters.find(c);
  return index == std::string_view::npos ? c : codes[index];
}

bool StartsWith(std::string_view text, std::string_view start) {
  return text.substr(0, start.size()) == start;
}

std::string QuotedText(std::string_view data) {
  std::size_t pos = 1;
  std::optional<std::string> text = ReadEscaped(data, pos, '"');
  if (!text) return "";
  return text->substr(0, text->find('\0'));
}

std::string DwordText(std::string_view digits) {
  std::uint32_t value = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
  if (error != std::errc() || end != digits.data() + digits.size() || digits.size() > 8) return "";
  return std::to_string(value);
}

}  // namespace

std::optional<std::string> ReadEscaped(std::string_view line, std::size_t& pos, char terminator) {
  std::string text;
  Utf16Decoder decoder(text);
  while (pos < line.size()) {
    const char c = line[pos++];
    if (c == terminator) {
      decoder.Flush();
      return text;
    }
    if (c != '\\' || pos == line.size()) {
      decoder.Byte(c);
      continue;
    }
    const char escaped = line[pos++];
    std::optional<char32_t> unit;
    if (escaped == 'x') unit = ReadNumber(line, pos, 16, 4);
    if (escaped >= '0' && escaped <= '7') unit = ReadNumber(line, --pos, 8, 3);
    if (unit) {
      decoder.Unit(*unit);
    } else {
      decoder.Byte(SimpleEscape(escaped));
    }
  }
  return std::nullopt;
}

std::optional<std::string> KeyOfLine(std::string_view line) {
  if (!StartsWith(line, "[")) return std::nullopt;
  std::size_t pos = 1;
  return ReadEscaped(line, pos, ']');
}

std::optional<ValueLine> ValueOfLine(std::string_view line) {
  ValueLine value;
  std::size_t pos = 1;
  if (StartsWith(line, "\"")) {
    std::optional<std::string> name = ReadEscaped(line, pos, '"');
    if (!name) return std::nullopt;
    value.name = *name;
  } else if (!StartsWith(line, "@")) {
    return std::nullopt;
  }
  if (pos >= line.size() || line[pos] != '=') return std::nullopt;
  value.data = line.substr(pos + 1);
  return value;
}

std::string DataText(std::string_view data) {
  if (StartsWith(data, "\"")) return QuotedText(data);
  if (StartsWith(data, "str(2):\"")) return QuotedText(data.substr(7));
  if (StartsWith(data, "dword:")) return DwordText(data.substr(6));
  return "";
}

}  // namespace platform
