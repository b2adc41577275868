#include "support/FakePrefix.h"

#include <cstdio>

namespace kvpm::testing {

namespace {

// The registry API's value types.
constexpr std::uint32_t regSz = 1;
constexpr std::uint32_t regExpandSz = 2;
constexpr std::uint32_t regBinary = 3;
constexpr std::uint32_t regDword = 4;

std::string Quoted(const std::string& text) { return "\"" + WineEscaped(text, "\"") + "\""; }

// "hex:01,02,\<line break>  03" as bytes.
std::string HexBytes(const std::string& list) {
  std::string bytes;
  unsigned byte = 0;
  int digits = 0;
  for (char c : list) {
    const int value = c >= '0' && c <= '9'   ? c - '0'
                      : c >= 'a' && c <= 'f' ? c - 'a' + 10
                      : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                             : -1;
    if (value >= 0) {
      byte = byte * 16 + static_cast<unsigned>(value);
      ++digits;
    } else if (c == ',' && digits > 0) {
      bytes += static_cast<char>(byte);
      byte = 0;
      digits = 0;
    }
  }
  if (digits > 0) bytes += static_cast<char>(byte);
  return bytes;
}

}  // namespace

std::string WineEscaped(const std::string& text, const std::string& delimiters) {
  std::string escaped;
  for (char c : text) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (c == '\\' || delimiters.find(c) != std::string::npos) {
      escaped += '\\';
      escaped += c;
    } else if (c == '\n' || c == '\r' || c == '\t') {
      escaped += c == '\n' ? "\\n" : c == '\r' ? "\\r" : "\\t";
    } else if (byte < 0x20) {
      char octal[8];
      std::snprintf(octal, sizeof octal, "\\%03o", byte);
      escaped += octal;
    } else {
      escaped += c;
    }
  }
  return escaped;
}

RegistryValue RegString(const std::string& name, const std::string& text) {
  return {name, Quoted(text), regSz, text + '\0'};
}

RegistryValue RegExpandString(const std::string& name, const std::string& text) {
  return {name, "str(2):" + Quoted(text), regExpandSz, text + '\0'};
}

RegistryValue RegDword(const std::string& name, std::uint32_t number) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "dword:%08x", static_cast<unsigned>(number));
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>((number >> (8 * i)) & 0xFF);
  return {name, digits, regDword, bytes};
}

RegistryValue RegData(const std::string& name, const std::string& data) {
  if (data.starts_with("hex:")) return {name, data, regBinary, HexBytes(data.substr(4))};
  return {name, data, 0, ""};
}

void FakePrefix::InstallGame() {
  SetRegistryValues(fakeBaseGameKey, {RegString("InstallPath", fakeBaseGameExecutable)});
  SetRegistryValues(fakeExpansionKey, {RegString("InstallPath", fakeExpansionExecutable),
                                       RegDword("Version", 0x00010001)});
  CreateFile(fakeBaseGameExecutable);
  CreateFile(fakeExpansionExecutable);
  CreateFile(std::string(fakeGameFolder) + "expandmd01.mix");
}

}  // namespace kvpm::testing
