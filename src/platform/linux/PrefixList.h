#pragma once
// The pieces the launchers' layouts are built from: the prefixes collected
// in order, each real folder once, and the paths of the launchers' files.

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/WinePrefixes.h"

namespace platform {

// The entries of a folder, sorted; none when it cannot be listed.
std::vector<std::string> Entries(const std::string& folder);

// The folder with links and "." and ".." resolved; "" when it does not exist.
std::string Canonical(const std::string& folder);

// A path from a launcher's file, as the folders it may stand for: itself
// when absolute; below each of `homes` for "~" and "~/..."; none else.
std::vector<std::string> Expanded(const std::string& path, const std::vector<std::string>& homes);

// A folder is a prefix when it holds system.reg, or when its pfx/ does (the
// layout of Proton's prefixes); the prefix is then that pfx/.
class PrefixList {
 public:
  void Add(const std::string& launcher, const std::string& folder);
  // The prefix that a launcher's file names, "~" standing for each of `homes`.
  void AddConfigured(const std::string& launcher, const std::string& path,
                     const std::vector<std::string>& homes);
  // Each folder in `parent`, with `below` appended.
  void AddEach(const std::string& launcher, const std::string& parent,
               const std::string& below = "");

  std::vector<WinePrefix> Take() { return std::move(prefixes_); }

 private:
  std::set<std::string> seen_;  // canonical folders
  std::vector<WinePrefix> prefixes_;
};

}  // namespace platform
