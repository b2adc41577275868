#include "support/ThemeFileLines.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace kvpm::testing {

namespace {

bool StartsWith(const std::string& text, const std::string& start) {
  return text.compare(0, start.size(), start) == 0;
}

// "INTRO" for "[INTRO] ;Sound was Quarn"; "" for a line that opens no section.
std::string SectionName(const std::string& line) {
  const std::size_t close = line.find(']');
  if (!StartsWith(line, "[") || close == std::string::npos) return "";
  return line.substr(1, close - 1);
}

}  // namespace

ThemeFileLines::ThemeFileLines(const std::string& text) {
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "the last line has no CR LF: " << text.substr(start);
      return;
    }
    lines_.push_back(text.substr(start, end - start));
    if (lines_.back().find('\n') != std::string::npos) {
      ADD_FAILURE() << "a line ends without CR: " << lines_.back();
    }
    start = end + 2;
  }
}

ThemeFileLines ThemeFileLines::Golden(const std::string& name) {
  const std::string text = ReadBytes(std::string(KVPM_FIXTURES_DIR) + "/theme/" + name);
  if (text.empty()) ADD_FAILURE() << "no golden file " << name;
  return ThemeFileLines(text);
}

std::string ThemeFileLines::Text() const {
  std::string text;
  for (const std::string& line : lines_) text += line + "\r\n";
  return text;
}

int ThemeFileLines::FindInSection(const std::string& section, const std::string& start) const {
  bool inSection = false;
  for (int i = 0; i < static_cast<int>(lines_.size()); ++i) {
    const std::string name = SectionName(lines_[i]);
    if (!name.empty()) {
      if (inSection) return -1;
      inSection = name == section;
    } else if (inSection && StartsWith(lines_[i], start)) {
      return i;
    }
  }
  return -1;
}

void ThemeFileLines::SetThemesEntry(int number, const std::string& value) {
  SetValue("Themes", std::to_string(number), value);
}

void ThemeFileLines::SetValue(const std::string& section, const std::string& key,
                              const std::string& value) {
  const int i = FindInSection(section, key + "=");
  if (i < 0) {
    ADD_FAILURE() << "no line " << key << "= in [" << section << "]";
    return;
  }
  lines_[i] = key + "=" + value;
}

void ThemeFileLines::InsertAfter(const std::string& section, const std::string& after,
                                 const std::string& line) {
  const int i = FindInSection(section, after);
  if (i < 0 || lines_[i] != after) {
    ADD_FAILURE() << "no line " << after << " in [" << section << "]";
    return;
  }
  lines_.insert(lines_.begin() + i + 1, line);
}

void ThemeFileLines::RemoveLine(const std::string& section, const std::string& start) {
  const int i = FindInSection(section, start);
  if (i < 0) {
    ADD_FAILURE() << "no line " << start << " in [" << section << "]";
    return;
  }
  lines_.erase(lines_.begin() + i);
}

std::vector<std::string> ThemeFileLines::TrackSectionNames() const {
  std::vector<std::string> names;
  bool pastSeparator = false;
  for (const std::string& line : lines_) {
    if (StartsWith(line, ";===")) pastSeparator = true;
    const std::string name = SectionName(line);
    if (pastSeparator && !name.empty()) names.push_back(name);
  }
  return names;
}

}  // namespace kvpm::testing
