#pragma once
// A quick look for keys in Wine's text registry, without parsing it. A key's
// header line ends in its names joined by escaped backslashes and "]", in
// whichever view it lies: "[Software\\Wow6432Node\\Tallowmere\\Harrowgate] 1700000000"
// and "[Software\\Tallowmere\\Harrowgate] 1700000000" both hold
// "\\Tallowmere\\Harrowgate]". A text without that, in any letter case,
// cannot hold the key. Only the text before each "]" is compared: a system.reg
// has one "]" in about 200 bytes, and finding them is the fastest search there is.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Bytes that a look into a file reads at a time: each chunk is searched
// while it is in the cache.
inline constexpr std::size_t kRegistryChunk = 256 * 1024;

class KeyHeaderSearch {
 public:
  // A key by its names, the first one (below the root) included. A name
  // that Wine would write escaped is not looked for: every text may hold it.
  void Add(const std::vector<std::string>& keyNames);

  // False only when the text cannot hold a header of any of the keys.
  bool MayBeIn(std::string_view text) const;

  // One pass over the file in chunks; false too when it cannot be read.
  bool MayBeInFile(const std::string& file) const;

 private:
  std::vector<std::string> ends_;  // in lower case
  bool anywhere_ = false;
};

}  // namespace platform
