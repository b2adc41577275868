#include "platform/Paths.h"

#include "platform/win32/WindowsApi.h"

namespace platform {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool Hidden(DWORD attributes) {
  return (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
}

std::string FullPath(const std::string& path) {
  const std::wstring wide = Wide(path);
  return ApiText([&wide](wchar_t* buffer, DWORD size) {
    return GetFullPathNameW(wide.c_str(), size, buffer, nullptr);
  });
}

DWORD Attributes(const std::string& path) { return GetFileAttributesW(Wide(path).c_str()); }

// The last component of a path text: what follows the last separator, or
// the drive ("C:") when nothing follows it.
std::string LastComponent(const std::string& path) {
  const std::size_t separator = path.find_last_of("\\/");
  if (separator != std::string::npos) return path.substr(separator + 1);
  return path.size() >= 2 && path[1] == ':' ? path.substr(2) : path;
}

// The folder a path names itself ("C:\Games\", "C:\", "C:\Games\.."). A
// drive's root counts although Windows marks it hidden and system.
bool FolderMatches(const std::string& path) {
  const std::string full = FullPath(path);
  const DWORD attributes = Attributes(full);
  if (full.empty() || attributes == INVALID_FILE_ATTRIBUTES ||
      (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    return false;
  }
  const bool driveRoot = full.size() == 3 && full[1] == ':' && IsSeparator(full[2]);
  return driveRoot || !Hidden(attributes);
}

class Search {
 public:
  Search(const std::string& pattern, WIN32_FIND_DATAW& data)
      : handle_(FindFirstFileW(Wide(pattern).c_str(), &data)) {}
  ~Search() {
    if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
  }
  Search(const Search&) = delete;
  Search& operator=(const Search&) = delete;
  bool Found() const { return handle_ != INVALID_HANDLE_VALUE; }
  bool Next(WIN32_FIND_DATAW& data) { return FindNextFileW(handle_, &data) != 0; }

 private:
  HANDLE handle_;
};

}  // namespace

// Paths are the system's own: the file system resolves drive letters,
// separators and letter case itself.
std::string ResolvePath(const std::string& path) { return path; }

// The file system finds the candidates; each name is checked again against
// the pattern, since Windows also matches 8.3 aliases ("*.wav" finds
// "x.wave" by its alias "X~1.WAV") and lets "?" before a dot match nothing.
bool AnyMatch(const std::string& path, bool includeFolders) {
  if (path.empty()) return false;
  const std::string pattern = LastComponent(path);
  QuietDriveErrors quiet;
  if (pattern.empty() || pattern == "." || pattern == "..") {
    return includeFolders && FolderMatches(path);
  }
  WIN32_FIND_DATAW data;
  Search search(path, data);
  for (bool found = search.Found(); found; found = search.Next(data)) {
    const std::string name = Utf8(data.cFileName);
    if (name == "." || name == ".." || Hidden(data.dwFileAttributes) ||
        !WildcardMatch(name, pattern)) {
      continue;
    }
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 || includeFolders) return true;
  }
  return false;
}

std::string PathInFolder(const std::string& folder, const std::string& name) {
  return folder + "\\" + name;
}

// The full path ("." and ".." resolved, separators made single), spelled as
// on disk, then in its short form where the file system keeps 8.3 aliases.
std::string CanonicalPath(const std::string& path) {
  if (path.empty()) return "";
  QuietDriveErrors quiet;
  const std::string full = FullPath(path);
  if (full.empty() || Attributes(full) == INVALID_FILE_ATTRIBUTES) return "";
  const std::wstring wideFull = Wide(full);
  std::string canonical = ApiText([&wideFull](wchar_t* buffer, DWORD size) {
    return GetLongPathNameW(wideFull.c_str(), buffer, size);
  });
  if (canonical.empty()) canonical = full;
  const std::wstring wideCanonical = Wide(canonical);
  const std::string shortPath = ApiText([&wideCanonical](wchar_t* buffer, DWORD size) {
    return GetShortPathNameW(wideCanonical.c_str(), buffer, size);
  });
  if (!shortPath.empty()) canonical = shortPath;
  if (canonical.size() >= 2 && canonical[1] == ':' && canonical[0] >= 'a' && canonical[0] <= 'z') {
    canonical[0] = static_cast<char>(canonical[0] - 'a' + 'A');
  }
  return canonical;
}

}  // namespace platform
