#pragma once
// The shared module of stateless helpers: INI and registry access, file
// existence, Windows path text and yes/no values. Text is bytes throughout;
// nothing here shows a message or throws.

#include <string>

namespace TovrikStandardFunctions {

// One value of an INI file: the raw value with its blanks trimmed, cut at the
// first ";", trailing blanks removed; the default when that leaves nothing.
std::string ReadIniValue(const std::string& section, const std::string& key,
                         const std::string& file, const std::string& defaultValue);

// Changes one line of the file (or appends the key to its section, the section
// to the file, or creates the file) and leaves every other byte as it was. The
// file is replaced atomically. Text holding a line break is refused, as is a
// key holding "=" or a section holding "]". Returns false when nothing was written.
bool WriteIniValue(const std::string& section, const std::string& key,
                   const std::string& value, const std::string& file);

// A registry value such as "HKLM\SOFTWARE\Tallowmere\Korvale\Version", as text;
// the default when it is absent, empty or not text or a number.
std::string ReadRegistryValue(const std::string& path, const std::string& defaultValue);

// Folder flag off: true when at least one ordinary, visible file matches the
// path, whose last component may hold "*" and "?". Folder flag on: the path
// must pass IsValidPath, and folders count too.
bool PathExists(const std::string& path, bool folderFlag);

bool IsValidPath(const std::string& path);
std::string InvalidFileNameChars();
std::string RemoveChars(const std::string& text, const std::string& chars);

void SplitPath(const std::string& path, std::string& name, std::string& folder);
std::string ExtractFileName(const std::string& path);
std::string JoinPath(const std::string& folder, const std::string& subFolder,
                     const std::string& fileName);

// A canonical form of an existing file or folder ("" for anything else); two
// paths naming the same file give forms that are equal without regard to case.
std::string GetShortPath(const std::string& path);

bool ParseYesNo(const std::string& text, bool defaultValue);

}  // namespace TovrikStandardFunctions
