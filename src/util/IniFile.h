#pragma once
// Our INI reader and editor, answering as the Windows private-profile
// functions do. A line whose first non-blank character is "[" and which
// holds a "]" opens a section named by the text between them (text after the
// "]" is ignored); any other non-blank line inside a section holds a key and
// its value, split at the first "=" (a line without one is a key with an
// empty value). Section and key names have their blanks trimmed and match
// without regard to ASCII letter case; the first section of a name is the
// only one looked in, and its first line of a key wins. Lines end at CR LF, LF CR, a lone
// LF or CR, or the end of the file. A file saved as UTF-16 (byte order mark
// FF FE) reads as its text in UTF-8 and stays UTF-16 when a value changes.
// Quotation marks around a value are kept as they are.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

namespace TovrikStandardFunctions {

// The longest value a lookup gives (the Windows lookup buffer holds 255
// characters with its terminator).
constexpr std::size_t maxIniValueLength = 254;

// A file parsed once, in one pass; each lookup is then a hash lookup, so a
// reader may ask for many values of one large file. Copies share the bytes.
class IniDocument {
 public:
  IniDocument() = default;
  explicit IniDocument(std::string_view bytes);

  // The file's document; empty (every lookup gives "") when the file is
  // missing or cannot be read.
  static IniDocument Load(const std::string& file);

  // The raw value as the Windows lookup gives it: blanks around it trimmed,
  // a comment still attached, cut to maxIniValueLength characters; "" when
  // the section or the key is missing.
  std::string RawValue(std::string_view section, std::string_view key) const;

 private:
  struct NameHash {
    std::size_t operator()(std::string_view name) const;
  };
  struct NameEqual {
    bool operator()(std::string_view a, std::string_view b) const;
  };
  // Names and values are views into the document's own copy of the bytes.
  using Section = std::unordered_map<std::string_view, std::string_view, NameHash, NameEqual>;
  std::shared_ptr<const std::string> bytes_;
  std::unordered_map<std::string_view, Section, NameHash, NameEqual> sections_;
};

// A raw value cut the way ReadIniValue cuts it: everything from the first
// ";" dropped, then trailing blanks. "" when nothing is left.
std::string CutIniComment(std::string_view rawValue);

// False for an entry that WriteIniValue refuses: a line break anywhere, an
// empty section or one holding "]", an empty key, one holding "=" or one
// starting with "[".
bool IniEntryAllowed(std::string_view section, std::string_view key, std::string_view value);

// The file's bytes with one value set, every other byte kept: an existing
// key's line becomes "key=value" with its own line end; a missing key goes
// after the last non-blank line of the section; a missing section is
// appended at the end. New lines end as the file's first line does (CRLF
// when it has none). The entry must be allowed by IniEntryAllowed.
std::string WithIniValue(std::string_view bytes, std::string_view section, std::string_view key,
                         std::string_view value);

}  // namespace TovrikStandardFunctions
