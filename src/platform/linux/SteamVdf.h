#pragma once
// Steam's text key-values (libraryfolders.vdf and its kin), as Steam writes them:
//   "libraryfolders"
//   {
//   	"0"
//   	{
//   		"path"		"/home/jo/.local/share/Steam"
//   		"apps" { "228980" "1261" }
//   	}
//   }
// A key is followed by its value or by a block of entries in braces. Keys and
// values are quoted strings with backslash escapes (\\ \" \n \t; any other
// escaped character stands for itself) or bare words; "//" starts a comment
// that runs to the end of the line, and a condition in brackets ("[$LINUX]")
// is passed over.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct VdfEntry {
  std::string key;
  std::string value;              // "" for a block
  std::vector<VdfEntry> entries;  // a block's entries
};

// Nothing when the text is not whole: a brace or a quote missing, a key
// without its value, or blocks nested deeper than any file of Steam's.
std::optional<std::vector<VdfEntry>> ParseVdf(std::string_view text);

}  // namespace platform
