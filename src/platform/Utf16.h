#pragma once
// UTF-16 as Windows keeps it (registry strings, files saved as "Unicode"),
// turned into the UTF-8 text the program carries, and back.

#include <string>
#include <string_view>

namespace platform {

void AppendUtf8(std::string& text, char32_t code);

// Turns UTF-16 code units into UTF-8, pairing surrogates; a surrogate
// without its partner becomes U+FFFD. Plain bytes may come between units.
class Utf16Decoder {
 public:
  explicit Utf16Decoder(std::string& text) : text_(text) {}

  void Unit(char32_t unit);
  void Byte(char c);
  void Flush();

 private:
  std::string& text_;
  char32_t pendingHigh_ = 0;
};

// Little-endian UTF-16 bytes (no byte order mark) as UTF-8; an odd last byte is dropped.
std::string Utf16ToUtf8(std::string_view bytes);

// UTF-8 text as little-endian UTF-16 bytes. A byte that starts no valid
// UTF-8 sequence stands for the character of that number (Latin-1).
std::string Utf8ToUtf16(std::string_view text);

}  // namespace platform
