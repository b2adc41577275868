#pragma once
// Linux: Windows path text resolved to native paths the way Wine does it: a
// drive letter through the prefix's dosdevices, "\" and "/" both separating,
// repeated separators collapsed, each component matched without regard to
// case. A native absolute path (starting with "/": from a file dialog, the
// command line or the recent files) is taken as every Linux program takes
// it: names match exactly, and a backslash is part of a name.
// Windows: path text is the native path; the file system does all of that.

#include <string>

namespace platform {

// The native path for a path text; components that do not exist keep the
// spelling given, "." and ".." are resolved within the drive, and a
// trailing separator is kept as "/". A relative text starts in the current
// folder. "" when the text names no place: an unknown drive letter, or a
// text starting with "\" (no drive to start from).
std::string ResolvePath(const std::string& path);

// Windows file-name matching: "*" any run, "?" any one character, without
// regard to letter case unless ignoreCase is off.
bool WildcardMatch(const std::string& name, const std::string& pattern, bool ignoreCase = true);

// The path of the entry `name` in `folder`: Windows path text joined with
// "\"; a native folder joined with "/" and the name spelled as the folder
// spells it, when an entry matches it without regard to case (as files on a
// CD mounted by the host may be spelled).
std::string PathInFolder(const std::string& folder, const std::string& name);

// True when something matches the path, whose last component may hold
// wildcards: ordinary visible files, and folders as well when includeFolders.
// A path ending in a separator names the folder itself. Hidden are names
// starting with ".", as Wine shows them, and on Windows files marked hidden
// or system.
bool AnyMatch(const std::string& path, bool includeFolders);

// The canonical native path of an existing file or folder (links and ".."
// resolved; on Windows the short 8.3 form where the file system keeps one),
// "" when nothing exists there.
std::string CanonicalPath(const std::string& path);

}  // namespace platform
