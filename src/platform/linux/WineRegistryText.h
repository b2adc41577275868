#pragma once
// Pieces of Wine's text registry format (system.reg, user.reg):
//   [Software\\Key\\Path] 1700000000     a key, names escaped
//   "Name"="escaped string"               a value; @=... is the default value
//   "Name"=dword:0001000a                 str(2):"..." hex:.. hex(7):.. and more

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Reads escaped text from `pos` up to the first unescaped `terminator` and
// leaves `pos` behind it; nullopt when the terminator is missing. Escapes:
// \\ \" \a \b \e \f \n \r \t \v, \ooo octal (up to 3 digits) and \xHHHH
// (up to 4 hex digits) for UTF-16 code units, delivered as UTF-8; any other
// escaped character stands for itself.
std::optional<std::string> ReadEscaped(std::string_view line, std::size_t& pos, char terminator);

// The key name of a "[...]" line (unescaped), nullopt for any other line.
std::optional<std::string> KeyOfLine(std::string_view line);

// A value line taken apart: its name ("" for "@") and its data text.
struct ValueLine {
  std::string name;
  std::string_view data;
};
std::optional<ValueLine> ValueOfLine(std::string_view line);

// A value's data as text: strings and expandable strings (unexpanded, up to
// a NUL), a DWORD as unsigned decimal; "" for every other type.
std::string DataText(std::string_view data);

}  // namespace platform
