#include "util/TovrikStandardFunctions.h"

#include <vector>

#include "platform/AsciiText.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "platform/Registry.h"
#include "util/IniFile.h"

namespace TovrikStandardFunctions {

namespace {

bool EndsWith(const std::string& text, char c) { return !text.empty() && text.back() == c; }

std::vector<std::string> SplitAtBackslashes(const std::string& path) {
  std::vector<std::string> components(1);
  for (char c : path) {
    if (c == '\\') {
      components.emplace_back();
    } else {
      components.back() += c;
    }
  }
  return components;
}

}  // namespace

std::string ReadIniValue(const std::string& section, const std::string& key,
                         const std::string& file, const std::string& defaultValue) {
  std::string value = CutIniComment(IniDocument::Load(file).RawValue(section, key));
  return value.empty() ? defaultValue : value;
}

bool WriteIniValue(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& file) {
  if (!IniEntryAllowed(section, key, value)) return false;
  std::string bytes;
  // A file that exists but cannot be read is never replaced by a new one.
  if (platform::ReadWholeFile(file, bytes) == platform::ReadStatus::Unreadable) return false;
  return platform::WriteWholeFile(file, WithIniValue(bytes, section, key, value));
}

std::string ReadRegistryValue(const std::string& path, const std::string& defaultValue) {
  std::string value = platform::ReadRegistryText(path);
  return value.empty() ? defaultValue : value;
}

bool PathExists(const std::string& path, bool folderFlag) {
  if (folderFlag && !IsValidPath(path)) return false;
  return platform::AnyMatch(path, folderFlag);
}

bool IsValidPath(const std::string& path) {
  if (path.empty()) return false;
  const std::string invalid = InvalidFileNameChars();
  const std::vector<std::string> components = SplitAtBackslashes(path);
  const std::string& drive = components.front();
  if (drive.size() != 2 || drive[1] != ':' || RemoveChars(drive.substr(0, 1), invalid).empty()) {
    return false;
  }
  if (components.size() == 1) return false;
  for (std::size_t i = 1; i < components.size(); ++i) {
    const std::string& component = components[i];
    if (component.empty() ? i + 1 != components.size()
                          : RemoveChars(component, invalid).size() != component.size()) {
      return false;
    }
  }
  return true;
}

std::string InvalidFileNameChars() { return "\\ / : * ? \" < > |"; }

std::string RemoveChars(const std::string& text, const std::string& chars) {
  std::string left = text;
  for (char c : chars) {
    if (c == ' ') continue;
    std::erase(left, c);
  }
  return left;
}

void SplitPath(const std::string& path, std::string& name, std::string& folder) {
  std::string rest = path;
  if (EndsWith(rest, '\\') || EndsWith(rest, '/')) rest.pop_back();
  std::size_t separator = rest.rfind('\\');
  if (separator == std::string::npos) separator = rest.rfind('/');
  if (separator == std::string::npos) {
    name = rest;
    folder.clear();
    return;
  }
  name = rest.substr(separator + 1);
  folder = rest.substr(0, separator);
}

std::string ExtractFileName(const std::string& path) {
  std::string name, folder;
  SplitPath(path, name, folder);
  return name;
}

std::string JoinPath(const std::string& folder, const std::string& subFolder,
                     const std::string& fileName) {
  std::string joinedFolder = folder;
  if (!joinedFolder.empty() && !EndsWith(joinedFolder, '\\')) joinedFolder += '\\';
  std::string joinedSubFolder = subFolder;
  if (!fileName.empty() && !joinedSubFolder.empty() && !EndsWith(joinedSubFolder, '\\')) {
    joinedSubFolder += '\\';
  }
  return joinedFolder + joinedSubFolder + fileName;
}

std::string GetShortPath(const std::string& path) {
  return platform::AnyMatch(path, true) ? platform::CanonicalPath(path) : std::string();
}

bool ParseYesNo(const std::string& text, bool defaultValue) {
  const std::string folded = platform::LowerAscii(text);
  if (folded == "0" || folded == "no" || folded == "false") return false;
  if (folded == "1" || folded == "yes" || folded == "true") return true;
  return defaultValue;
}

}  // namespace TovrikStandardFunctions
