#pragma once
// Rules that must hold for any input, for the fuzz target and the unit tests.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/AsciiText.h"
#include "platform/Utf16.h"
#include "support/FakePrefix.h"
#include "util/IniFile.h"
#include "util/TovrikStandardFunctions.h"

namespace kvpm::fuzz {

// The rule an ini-write input broke, in words, or "": a section, a key and a value, each ended
// by a NUL, then the file (no file when a NUL is missing). A refused write changes nothing; a
// write takes away no line break (it changes the key's line at most) and a plain value reads
// back, so that no value injects a key.
inline std::string CheckIniWrite(test::FakePrefix& prefix, std::string_view input) {
  namespace tsf = TovrikStandardFunctions;
  std::vector<std::string> f;  // section, key, value, file
  for (std::size_t nul; f.size() < 3 && (nul = input.find('\0')) != input.npos;
       input.remove_prefix(nul + 1)) {
    f.emplace_back(input.substr(0, nul));
  }
  const bool whole = f.size() == 3;  // else there is no file
  f.emplace_back(input);
  f.resize(4);
  const std::string &section = f[0], &key = f[1], &value = f[2], &before = f[3];
  const std::string ini = "C:\\Ini\\a.ini", file = prefix.CreateFolder("C:\\Ini") + "/a.ini";
  std::filesystem::remove(file);
  if (whole) test::WriteBytes(file, before);
  const bool written = tsf::WriteIniValue(section, key, value, ini);
  const std::string after = test::ReadBytes(file);
  const bool kept = std::filesystem::exists(file) == whole && after == before;
  if (!written) return kept ? "" : "a refused write changed the file";
  // A UTF-16 file is written anew from its characters: bytes that spell none are not kept (an odd
  // last byte, a lone surrogate; in a text, a byte of no UTF-8 reads back as the character it is).
  using platform::Utf16ToUtf8, platform::Utf8ToUtf16;
  const bool utf16 = before.starts_with("\xFF\xFE");
  const auto held = [utf16](auto& t) { return !utf16 || Utf16ToUtf8(Utf8ToUtf16(t)) == t; };
  if (utf16 && Utf8ToUtf16(Utf16ToUtf8(before.substr(2))) != before.substr(2)) return "";
  std::size_t head = 0, tail = 0;
  while (head < before.size() && head < after.size() && before[head] == after[head]) ++head;
  while (head + tail < before.size() && head + tail < after.size() &&
         before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
    ++tail;
  }
  if (before.find('\n', head) < before.size() - tail) return "more than the key's line changed";
  const std::string plain(platform::TrimBlanks(value));
  if (plain.empty() || plain.size() > tsf::maxIniValueLength || plain.find(';') != plain.npos ||
      !held(section) || !held(key) || !held(plain)) {
    return "";
  }
  return tsf::ReadIniValue(section, key, ini, "") == plain ? "" : "the value does not read back";
}

}  // namespace kvpm::fuzz
