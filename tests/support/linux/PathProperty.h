#pragma once
// Property of path resolution and the path helpers (see FuzzProperties.h).

#include <memory>

#include "support/FuzzProperties.h"

namespace kvpm::testing {

// On any path text: ResolvePath stays inside the drive it starts from and
// leaves no empty, "." or ".." component; WildcardMatch agrees with a plain
// matcher; the file search and the canonical form agree with each other;
// SplitPath, JoinPath, IsValidPath and RemoveChars keep their promises.
// The prefix holds a small game folder with names in mixed case, a hidden
// file, a folder link and a link loop.
std::unique_ptr<Property> MakePathProperty(FakePrefix& prefix);

}  // namespace kvpm::testing
