#include "support/IniProperties.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "platform/AsciiText.h"
#include "support/FuzzInput.h"
#include "support/TempFolder.h"
#include "util/IniFile.h"
#include "util/TovrikStandardFunctions.h"

namespace kvpm::testing {

namespace {

namespace tsf = TovrikStandardFunctions;
using platform::EqualNoCase;
using platform::TrimBlanks;

const std::string kDefault = "\x01" "default";

// A line of a file with its line end ("\r\n", "\n" or none).
struct Line {
  std::string_view content;
  std::string_view end;
};

std::vector<Line> Lines(std::string_view bytes) {
  std::vector<Line> lines;
  while (!bytes.empty()) {
    const std::size_t newline = bytes.find('\n');
    std::string_view line = bytes.substr(0, newline);
    std::string_view end = newline == std::string_view::npos ? "" : bytes.substr(newline, 1);
    if (!end.empty() && !line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
      end = bytes.substr(newline - 1, 2);
    }
    lines.push_back({line, end});
    bytes.remove_prefix(std::min(bytes.size(), line.size() + end.size()));
  }
  return lines;
}

std::string_view WithoutByteOrderMark(std::string_view bytes) {
  return bytes.substr(0, 3) == "\xEF\xBB\xBF" ? bytes.substr(3) : bytes;
}

// The section name of a header line, if it is one.
std::optional<std::string_view> HeaderName(std::string_view content) {
  const std::string_view line = TrimBlanks(content);
  const std::size_t close = line.find(']');
  if (line.empty() || line.front() != '[' || close == std::string_view::npos) return std::nullopt;
  return TrimBlanks(line.substr(1, close - 1));
}

// The key and value of an entry line, if it is one (a header is not).
std::optional<std::pair<std::string_view, std::string_view>> Entry(std::string_view content) {
  if (HeaderName(content)) return std::nullopt;
  const std::string_view line = TrimBlanks(content);
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos || TrimBlanks(line.substr(0, equals)).empty()) {
    return std::nullopt;
  }
  return std::pair{TrimBlanks(line.substr(0, equals)), TrimBlanks(line.substr(equals + 1))};
}

// The lookup done the slow, obvious way: walk to the first header of the
// section, take the first line of the key before the next header.
std::string ExpectedRawValue(std::string_view bytes, std::string_view section,
                             std::string_view key) {
  bool inSection = false;
  for (const Line& line : Lines(WithoutByteOrderMark(bytes))) {
    if (std::optional<std::string_view> name = HeaderName(line.content)) {
      if (inSection) return "";
      inSection = EqualNoCase(*name, TrimBlanks(section));
    } else if (auto entry = Entry(line.content); inSection && entry) {
      if (EqualNoCase(entry->first, TrimBlanks(key))) {
        return std::string(entry->second.substr(0, tsf::maxIniValueLength));
      }
    }
  }
  return "";
}

// A raw value without its comment and the blanks before it.
std::string ExpectedCut(const std::string& raw) {
  std::string value = raw.substr(0, raw.find(';'));
  while (!value.empty() && platform::IsBlank(value.back())) value.pop_back();
  return value;
}

// What ReadIniValue gives for a raw value.
std::string ExpectedValue(const std::string& raw) {
  const std::string value = ExpectedCut(raw);
  return value.empty() ? kDefault : value;
}

std::string Named(std::string_view section, std::string_view key) {
  return " for [" + Printable(section) + "] " + Printable(key);
}

class IniLookupProperty : public Property {
 public:
  explicit IniLookupProperty(FakePrefix& prefix) : prefix_(prefix) {}

  Violations Check(std::string_view input) override {
    const Fields fields = SplitFields(input, 3);
    const std::string& bytes = fields.texts[2];
    const std::string file = prefix_.CreateFile(kFile, bytes);
    const tsf::IniDocument document(bytes);
    const tsf::IniDocument loaded = tsf::IniDocument::Load(kFile);
    Violations violations;
    const auto lookUp = [&](std::string_view section, std::string_view key) {
      const std::string raw = document.RawValue(section, key);
      const std::string expected = ExpectedRawValue(bytes, section, key);
      Expect(violations, raw == expected,
             "RawValue gives \"" + Printable(raw) + "\", not \"" + Printable(expected) + "\"" +
                 Named(section, key));
      Expect(violations, loaded.RawValue(section, key) == raw,
             "the loaded file answers otherwise" + Named(section, key));
      Expect(violations,
             document.RawValue(platform::LowerAscii(section), UpperAscii(key)) == raw,
             "letter case of the names matters" + Named(section, key));
      Expect(violations, tsf::CutIniComment(raw) == ExpectedCut(raw),
             "CutIniComment cuts otherwise" + Named(section, key));
    };
    lookUp(fields.texts[0], fields.texts[1]);
    Expect(violations,
           tsf::ReadIniValue(fields.texts[0], fields.texts[1], kFile, kDefault) ==
               ExpectedValue(ExpectedRawValue(bytes, fields.texts[0], fields.texts[1])),
           "ReadIniValue gives another value" + Named(fields.texts[0], fields.texts[1]));
    // Every name the file holds, as far as the first lines go.
    std::string_view section;
    std::size_t looked = 0;
    for (const Line& line : Lines(WithoutByteOrderMark(bytes))) {
      if (++looked > kMostLines) break;
      if (std::optional<std::string_view> name = HeaderName(line.content)) {
        section = *name;
      } else if (auto entry = Entry(line.content)) {
        lookUp(section, entry->first);
      }
    }
    return violations;
  }

 private:
  static constexpr const char* kFile = "C:\\Ini\\lookup.ini";
  static constexpr std::size_t kMostLines = 64;

  static std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
  }

  FakePrefix& prefix_;
};

// The lines between the unchanged start and the unchanged end of two files.
struct Changed {
  std::vector<Line> before;
  std::vector<Line> after;
};

std::string Raw(const Line& line) { return std::string(line.content) + std::string(line.end); }

bool SameLine(const Line& a, const Line& b) { return a.content == b.content && a.end == b.end; }

Changed ChangedLines(const std::vector<Line>& before, const std::vector<Line>& after) {
  std::size_t start = 0;
  while (start < before.size() && start < after.size() && SameLine(before[start], after[start])) {
    ++start;
  }
  std::size_t end = 0;
  while (end < before.size() - start && end < after.size() - start &&
         SameLine(before[before.size() - 1 - end], after[after.size() - 1 - end])) {
    ++end;
  }
  return {{before.begin() + start, before.end() - end}, {after.begin() + start, after.end() - end}};
}

class IniWriteProperty : public Property {
 public:
  explicit IniWriteProperty(FakePrefix& prefix) : prefix_(prefix) {
    prefix_.CreateFolder("C:\\Ini");  // a missing file is created, its folder is not
  }

  Violations Check(std::string_view input) override {
    const Fields fields = SplitFields(input, 4);
    const std::string& section = fields.texts[0];
    const std::string& key = fields.texts[1];
    const std::string& value = fields.texts[2];
    const std::string& before = fields.texts[3];
    const std::string native = prefix_.Native(kFile);
    std::error_code error;
    std::filesystem::remove(native, error);
    if (fields.complete) prefix_.CreateFile(kFile, before);

    Violations violations;
    const bool allowed = tsf::IniEntryAllowed(section, key, value);
    const bool written = tsf::WriteIniValue(section, key, value, kFile);
    const bool exists = std::filesystem::exists(native);
    const std::string after = exists ? ReadBytes(native) : "";
    Expect(violations, written == allowed,
           written ? "a refused entry was written" : "an allowed entry was not written");
    if (!written) {
      Expect(violations, exists == fields.complete && after == before,
             "a refused write changed the file");
      return violations;
    }
    CheckOnlyTheKeysLineChanged(violations, before, after, section, key, value);
    std::string readable(TrimBlanks(value).substr(0, tsf::maxIniValueLength));
    Expect(violations,
           tsf::ReadIniValue(section, key, kFile, kDefault) == ExpectedValue(readable),
           "the written value reads back otherwise");
    return violations;
  }

 private:
  static constexpr const char* kFile = "C:\\Ini\\settings.ini";

  // The old file's lines are all there, in order and byte for byte, but for
  // the key's line, which became the entry with its own line end; or the
  // new lines are the entry and maybe the section's header, and only an
  // unterminated last line may have gained its line end.
  static void CheckOnlyTheKeysLineChanged(Violations& violations, const std::string& before,
                                          const std::string& after, const std::string& section,
                                          const std::string& key, const std::string& value) {
    const std::vector<Line> oldLines = Lines(before);
    const Changed changed = ChangedLines(oldLines, Lines(after));
    const std::string entry = key + "=" + value;
    if (changed.before.empty() && changed.after.empty()) return;  // the same entry again
    std::vector<Line> added = changed.after;
    if (changed.before.size() == 1 && !added.empty() &&
        (Raw(added.front()) == Raw(changed.before.front()) + "\n" ||
         Raw(added.front()) == Raw(changed.before.front()) + "\r\n")) {
      // Its bytes are all kept; a "\r" at its end may have become part of the line end.
      Expect(violations,
             changed.before.front().end.empty() &&
                 changed.before.front().content.data() == oldLines.back().content.data(),
             "a line other than the unterminated last one changed its line end");
      added.erase(added.begin());
    } else if (changed.before.size() == 1) {
      const auto oldEntry = Entry(changed.before.front().content);
      Expect(violations, oldEntry && EqualNoCase(oldEntry->first, TrimBlanks(key)),
             "a line that is not the key's was replaced: \"" +
                 Printable(changed.before.front().content) + "\"");
      Expect(violations,
             added.size() == 1 && added.front().content == entry &&
                 added.front().end == changed.before.front().end,
             "the key's line did not become the entry with its line end");
      return;
    } else {
      Expect(violations, changed.before.empty(),
             std::to_string(changed.before.size()) + " lines of the old file were changed");
    }
    int entries = 0;
    for (const Line& line : added) {
      const bool isEntry = line.content == entry;
      entries += isEntry ? 1 : 0;
      Expect(violations, isEntry || line.content == "[" + section + "]",
             "an unexpected line was added: \"" + Printable(line.content) + "\"");
      Expect(violations, line.end == "\r\n" || line.end == "\n",
             "an added line has no line end");
    }
    Expect(violations, entries == 1,
           "the entry line was written " + std::to_string(entries) + " times");
  }

  FakePrefix& prefix_;
};

}  // namespace

std::unique_ptr<Property> MakeIniLookupProperty(FakePrefix& prefix) {
  return std::make_unique<IniLookupProperty>(prefix);
}

std::unique_ptr<Property> MakeIniWriteProperty(FakePrefix& prefix) {
  return std::make_unique<IniWriteProperty>(prefix);
}

}  // namespace kvpm::testing
