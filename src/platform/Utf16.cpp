#include "platform/Utf16.h"

namespace platform {

namespace {

constexpr char32_t replacementCharacter = 0xFFFD;

void AppendUnit(std::string& bytes, char32_t unit) {
  bytes += static_cast<char>(unit & 0xFF);
  bytes += static_cast<char>(unit >> 8);
}

// The code point of the UTF-8 sequence at `pos`, which is left behind it;
// a byte that starts no valid sequence is taken alone as its own number.
char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos++]);
  std::size_t length = 1;
  if (lead >= 0xC2 && lead < 0xF5) length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
  if (length == 1 || pos + length - 1 > text.size()) return lead;
  char32_t code = lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[pos + k - 1]);
    if ((next & 0xC0) != 0x80) return lead;
    code = (code << 6) | (next & 0x3F);
  }
  constexpr char32_t shortest[] = {0, 0, 0x80, 0x800, 0x10000};  // overlong below these
  if (code < shortest[length] || code > 0x10FFFF) return lead;
  pos += length - 1;
  return code;
}

}  // namespace

void AppendUtf8(std::string& text, char32_t code) {
  if (code < 0x80) {
    text += static_cast<char>(code);
  } else if (code < 0x800) {
    text += static_cast<char>(0xC0 | (code >> 6));
    text += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    text += static_cast<char>(0xE0 | (code >> 12));
    text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    text += static_cast<char>(0xF0 | (code >> 18));
    text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (code & 0x3F));
  }
}

void Utf16Decoder::Unit(char32_t unit) {
  const bool high = unit >= 0xD800 && unit < 0xDC00;
  const bool low = unit >= 0xDC00 && unit < 0xE000;
  if (pendingHigh_ != 0 && low) {
    AppendUtf8(text_, 0x10000 + ((pendingHigh_ - 0xD800) << 10) + (unit - 0xDC00));
    pendingHigh_ = 0;
    return;
  }
  Flush();
  if (high) {
    pendingHigh_ = unit;
  } else {
    AppendUtf8(text_, low ? replacementCharacter : unit);
  }
}

void Utf16Decoder::Byte(char c) {
  Flush();
  text_ += c;
}

void Utf16Decoder::Flush() {
  if (pendingHigh_ != 0) AppendUtf8(text_, replacementCharacter);
  pendingHigh_ = 0;
}

std::string Utf16ToUtf8(std::string_view bytes) {
  std::string text;
  Utf16Decoder decoder(text);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto low = static_cast<unsigned char>(bytes[i]);
    const auto high = static_cast<unsigned char>(bytes[i + 1]);
    decoder.Unit(low | high << 8);
  }
  decoder.Flush();
  return text;
}

std::string Utf8ToUtf16(std::string_view text) {
  std::string bytes;
  for (std::size_t pos = 0; pos < text.size();) {
    const char32_t code = NextCodePoint(text, pos);
    if (code < 0x10000) {
      AppendUnit(bytes, code);
    } else {
      AppendUnit(bytes, 0xD800 + ((code - 0x10000) >> 10));
      AppendUnit(bytes, 0xDC00 + ((code - 0x10000) & 0x3FF));
    }
  }
  return bytes;
}

}  // namespace platform
