#include "platform/linux/KeyHeaderSearch.h"

#include <algorithm>
#include <cstring>

#include "platform/AsciiText.h"
#include "platform/FileAccess.h"

namespace platform {

namespace {

bool WrittenPlain(const std::string& name) {
  return std::all_of(name.begin(), name.end(), [](char c) {
    return c >= ' ' && c <= '~' && c != '\\' && c != '"' && c != '[' && c != ']';
  });
}

}  // namespace

void KeyHeaderSearch::Add(const std::vector<std::string>& keyNames) {
  anywhere_ = anywhere_ || !std::all_of(keyNames.begin(), keyNames.end(), WrittenPlain);
  // Below the first name a 32-bit view puts Wow6432Node: the end starts after it.
  std::string end = keyNames.size() == 1 ? "[" + keyNames.front() : "";
  for (std::size_t i = 1; i < keyNames.size(); ++i) end += "\\\\" + keyNames[i];
  ends_.push_back(LowerAscii(end + "]"));
}

bool KeyHeaderSearch::MayBeIn(std::string_view text) const {
  if (anywhere_) return true;
  for (std::size_t close = text.find(']'); close != std::string_view::npos;
       close = text.find(']', close + 1)) {
    for (const std::string& end : ends_) {
      // The byte before "]" first: most headers differ there.
      if (close + 1 >= end.size() && LowerAscii(text[close - 1]) == end[end.size() - 2] &&
          EqualNoCase(text.substr(close + 1 - end.size(), end.size()), end)) {
        return true;
      }
    }
  }
  return false;
}

bool KeyHeaderSearch::MayBeInFile(const std::string& file) const {
  // Each chunk is searched behind the end of the one before, so that no
  // header is missed where a chunk ends.
  std::size_t overlap = 0;
  for (const std::string& end : ends_) overlap = std::max(overlap, end.size());
  std::vector<char> buffer(overlap + kRegistryChunk);
  InputFile in(file);
  std::size_t kept = 0;
  for (std::int64_t count; (count = in.Read(buffer.data() + kept, kRegistryChunk)) > 0;) {
    const std::string_view text(buffer.data(), kept + static_cast<std::size_t>(count));
    if (MayBeIn(text)) return true;
    kept = std::min(overlap, text.size());
    std::memmove(buffer.data(), text.data() + text.size() - kept, kept);
  }
  return false;
}

}  // namespace platform
