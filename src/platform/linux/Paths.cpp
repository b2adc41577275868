#include "platform/Paths.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/AsciiText.h"
#include "platform/Environment.h"

namespace platform {

namespace {

// A path text taken apart: the native folder it starts from and the
// components below it, still as given.
struct PathText {
  bool valid = false;
  bool literal = false;  // a native path: names are matched exactly
  std::string root;
  std::vector<std::string> components;
  bool endsWithSeparator = false;
};

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool Exists(const std::string& native) {
  struct stat status;
  return lstat(native.c_str(), &status) == 0;
}

std::string Child(const std::string& folder, const std::string& name) {
  return !folder.empty() && folder.back() == '/' ? folder + name : folder + "/" + name;
}

std::vector<std::string> Components(std::string_view text, bool backslashSeparates) {
  std::vector<std::string> components;
  std::string current;
  for (char c : text) {
    if (c == '/' || (backslashSeparates && c == '\\')) {
      if (!current.empty()) components.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) components.push_back(current);
  return components;
}

std::string CurrentFolder() {
  char buffer[PATH_MAX];
  return getcwd(buffer, sizeof buffer) != nullptr ? std::string(buffer) : std::string();
}

PathText Parse(const std::string& path) {
  PathText text;
  std::string_view rest = path;
  bool backslashSeparates = true;
  if (!path.empty() && path[0] == '/') {
    text.root = std::string(1, '/');  // not a literal: GCC 12 warns falsely on that
    text.literal = true;
    backslashSeparates = false;
  } else if (path.size() >= 2 && path[1] == ':') {
    char letter = LowerAscii(path[0]);
    if (letter < 'a' || letter > 'z') return text;
    text.root = CurrentEnvironment().prefix + "/dosdevices/" + letter + ":";
    if (!Exists(text.root)) return text;
    rest.remove_prefix(2);
  } else if (path.empty() || IsSeparator(path[0])) {
    return text;  // no drive to start from
  } else {
    text.root = CurrentFolder();
    if (text.root.empty()) return text;
  }
  text.valid = true;
  text.components = Components(rest, backslashSeparates);
  text.endsWithSeparator =
      !rest.empty() && (rest.back() == '/' || (backslashSeparates && rest.back() == '\\'));
  return text;
}

std::vector<std::string> SortedNames(const std::string& folder) {
  std::vector<std::string> names;
  std::unique_ptr<DIR, int (*)(DIR*)> directory(opendir(folder.c_str()), closedir);
  if (!directory) return names;
  while (const dirent* entry = readdir(directory.get())) {
    std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

// The name in the folder that a component stands for: the name as given
// when it exists, else the first name in sorted order that differs from it
// only in letter case; "" when there is none.
std::string MatchComponent(const std::string& folder, const std::string& component) {
  if (Exists(Child(folder, component))) return component;
  for (const std::string& name : SortedNames(folder)) {
    if (EqualNoCase(name, component)) return name;
  }
  return "";
}

// The native path of the first `count` components below the root.
std::string Walk(const PathText& text, std::size_t count) {
  std::vector<std::string> walked;
  std::size_t existing = 0;  // leading walked components that exist
  for (std::size_t i = 0; i < count; ++i) {
    const std::string& component = text.components[i];
    if (component == ".") continue;
    if (component == "..") {
      if (!walked.empty()) walked.pop_back();
      existing = std::min(existing, walked.size());
      continue;
    }
    std::string match;
    if (!text.literal && existing == walked.size()) {
      std::string folder = text.root;
      for (const std::string& name : walked) folder = Child(folder, name);
      match = MatchComponent(folder, component);
    }
    if (match.empty()) {
      walked.push_back(component);
    } else {
      walked.push_back(match);
      ++existing;
    }
  }
  std::string native = text.root;
  for (const std::string& name : walked) native = Child(native, name);
  return native;
}

bool IsHiddenName(const std::string& name) { return !name.empty() && name[0] == '.'; }

bool Counts(const struct stat& status, bool includeFolders) {
  return S_ISREG(status.st_mode) || (includeFolders && S_ISDIR(status.st_mode));
}

std::string LastName(std::string native) {
  while (native.size() > 1 && native.back() == '/') native.pop_back();
  return native.substr(native.find_last_of('/') + 1);
}

// The folder a path names itself ("C:\Games\", "C:", "..").
bool FolderMatches(const std::string& native) {
  struct stat status;
  return stat(native.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
         !IsHiddenName(LastName(native));
}

}  // namespace

std::string ResolvePath(const std::string& path) {
  PathText text = Parse(path);
  if (!text.valid) return "";
  std::string native = Walk(text, text.components.size());
  if (text.endsWithSeparator && native.back() != '/') native += '/';
  return native;
}

bool AnyMatch(const std::string& path, bool includeFolders) {
  PathText text = Parse(path);
  if (!text.valid) return false;
  const std::size_t count = text.components.size();
  if (text.endsWithSeparator || count == 0 || text.components.back() == "." ||
      text.components.back() == "..") {
    return includeFolders && FolderMatches(Walk(text, count));
  }
  const std::string folder = Walk(text, count - 1);
  const std::string& pattern = text.components.back();
  for (const std::string& name : SortedNames(folder)) {
    if (IsHiddenName(name) || !WildcardMatch(name, pattern, !text.literal)) continue;
    struct stat status;
    if (stat(Child(folder, name).c_str(), &status) == 0 && Counts(status, includeFolders)) {
      return true;
    }
  }
  return false;
}

std::string PathInFolder(const std::string& folder, const std::string& name) {
  if (folder.empty() || folder[0] != '/') return folder + "\\" + name;
  const std::string match = MatchComponent(folder, name);
  return Child(folder, match.empty() ? name : match);
}

std::string CanonicalPath(const std::string& path) {
  std::string native = ResolvePath(path);
  if (native.empty()) return "";
  std::unique_ptr<char, void (*)(void*)> canonical(realpath(native.c_str(), nullptr), std::free);
  return canonical ? std::string(canonical.get()) : std::string();
}

}  // namespace platform
