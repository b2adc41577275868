#include "util/IniFile.h"

#include <algorithm>
#include <optional>

#include "platform/AsciiText.h"
#include "platform/Files.h"
#include "platform/Utf16.h"

namespace TovrikStandardFunctions {

namespace {

using platform::EqualNoCase;
using platform::LineSpan;
using platform::LowerAscii;
using platform::TrimBlanks;

struct IniLine {
  enum Kind { Other, Header, Entry } kind = Other;
  std::string_view name;   // the section or the key, blanks trimmed
  std::string_view value;  // an entry's value, blanks trimmed
};

IniLine Classify(std::string_view content) {
  const std::string_view line = TrimBlanks(content);
  if (!line.empty() && line.front() == '[') {
    const std::size_t close = line.find(']');
    if (close != std::string_view::npos) {
      return {IniLine::Header, TrimBlanks(line.substr(1, close - 1)), {}};
    }
  }
  // A line without "=" is a key with an empty value.
  const std::size_t equals = std::min(line.find('='), line.size());
  const std::string_view key = TrimBlanks(line.substr(0, equals));
  if (key.empty()) return {};
  return {IniLine::Entry, key, TrimBlanks(line.substr(std::min(equals + 1, line.size())))};
}

std::string_view Content(std::string_view bytes, const LineSpan& span) {
  return bytes.substr(span.start, span.contentEnd - span.start);
}

// Where the first line starts: after the UTF-8 byte order mark that some
// editors put at the start of a file.
std::size_t FirstLine(std::string_view bytes) {
  return bytes.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
}

// The line end of the file's first line; CR LF for a file of one unended line.
std::string LineEndOf(std::string_view bytes) {
  const LineSpan first = platform::LineAt(bytes, 0);
  return first.end > first.contentEnd
             ? std::string(bytes.substr(first.contentEnd, first.end - first.contentEnd))
             : "\r\n";
}

bool EndsWithLineBreak(std::string_view bytes) {
  return !bytes.empty() && (bytes.back() == '\n' || bytes.back() == '\r');
}

// A file saved as UTF-16 starts with the byte order mark FF FE. Windows
// reads such a file as text and keeps it UTF-16 when it changes a value.
bool IsUtf16(std::string_view bytes) { return bytes.starts_with("\xFF\xFE"); }

bool HasLineBreak(std::string_view text) {
  return text.find_first_of("\r\n") != std::string_view::npos;
}

}  // namespace

std::size_t IniDocument::NameHash::operator()(std::string_view name) const {
  std::size_t hash = 14695981039346656037ull;  // FNV-1a
  for (char c : name) hash = (hash ^ static_cast<unsigned char>(LowerAscii(c))) * 1099511628211ull;
  return hash;
}

bool IniDocument::NameEqual::operator()(std::string_view a, std::string_view b) const {
  return EqualNoCase(a, b);
}

IniDocument::IniDocument(std::string_view bytes)
    : bytes_(std::make_shared<const std::string>(
          IsUtf16(bytes) ? platform::Utf16ToUtf8(bytes.substr(2)) : std::string(bytes))) {
  const std::string_view text = *bytes_;
  Section* current = nullptr;  // null before the first section and inside a repeated one
  for (std::size_t pos = FirstLine(text); pos < text.size();) {
    const LineSpan span = platform::LineAt(text, pos);
    pos = span.end;
    const IniLine line = Classify(Content(text, span));
    if (line.kind == IniLine::Header) {
      auto [section, isNew] = sections_.try_emplace(line.name);
      current = isNew ? &section->second : nullptr;
    } else if (line.kind == IniLine::Entry && current != nullptr) {
      current->try_emplace(line.name, line.value);
    }
  }
}

IniDocument IniDocument::Load(const std::string& file) {
  std::string bytes;
  if (platform::ReadWholeFile(file, bytes) != platform::ReadStatus::Ok) return {};
  return IniDocument(bytes);
}

std::string IniDocument::RawValue(std::string_view section, std::string_view key) const {
  const auto foundSection = sections_.find(TrimBlanks(section));
  if (foundSection == sections_.end()) return "";
  const auto foundKey = foundSection->second.find(TrimBlanks(key));
  if (foundKey == foundSection->second.end()) return "";
  return std::string(foundKey->second.substr(0, maxIniValueLength));
}

std::string CutIniComment(std::string_view rawValue) {
  return std::string(platform::TrimTrailingBlanks(rawValue.substr(0, rawValue.find(';'))));
}

bool IniEntryAllowed(std::string_view section, std::string_view key, std::string_view value) {
  const std::string_view trimmedSection = TrimBlanks(section);
  const std::string_view trimmedKey = TrimBlanks(key);
  return !HasLineBreak(section) && !HasLineBreak(key) && !HasLineBreak(value) &&
         !trimmedSection.empty() && trimmedSection.find(']') == std::string_view::npos &&
         !trimmedKey.empty() && trimmedKey.find('=') == std::string_view::npos &&
         trimmedKey.front() != '[';
}

std::string WithIniValue(std::string_view bytes, std::string_view section, std::string_view key,
                         std::string_view value) {
  if (IsUtf16(bytes)) {
    return "\xFF\xFE" + platform::Utf8ToUtf16(WithIniValue(platform::Utf16ToUtf8(bytes.substr(2)),
                                                           section, key, value));
  }
  const std::string lineEnd = LineEndOf(bytes);
  const std::string entry = std::string(key) + "=" + std::string(value);
  std::optional<LineSpan> lastFilled;  // the section's last non-blank line
  for (std::size_t pos = FirstLine(bytes); pos < bytes.size();) {
    const LineSpan span = platform::LineAt(bytes, pos);
    pos = span.end;
    const IniLine line = Classify(Content(bytes, span));
    if (line.kind == IniLine::Header) {
      if (lastFilled) break;  // only the first section of the name counts
      if (EqualNoCase(line.name, TrimBlanks(section))) lastFilled = span;
    } else if (lastFilled) {
      if (line.kind == IniLine::Entry && EqualNoCase(line.name, TrimBlanks(key))) {
        return std::string(bytes.substr(0, span.start)) + entry +
               std::string(bytes.substr(span.contentEnd));
      }
      if (!TrimBlanks(Content(bytes, span)).empty()) lastFilled = span;
    }
  }
  if (lastFilled) {
    const std::string before = lastFilled->contentEnd == lastFilled->end ? lineEnd : "";
    return std::string(bytes.substr(0, lastFilled->end)) + before + entry + lineEnd +
           std::string(bytes.substr(lastFilled->end));
  }
  const std::string before = !bytes.empty() && !EndsWithLineBreak(bytes) ? lineEnd : "";
  return std::string(bytes) + before + "[" + std::string(section) + "]" + lineEnd + entry + lineEnd;
}

}  // namespace TovrikStandardFunctions
