#include "settings/Settings.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <string_view>

#include "platform/Files.h"
#include "platform/Paths.h"
#include "platform/ProgramFolder.h"
#include "util/TovrikStandardFunctions.h"

namespace kvpm {

namespace tsf = TovrikStandardFunctions;

namespace {

constexpr int kMostRecentFiles = 9;

std::string YesNo(bool value) { return value ? "yes" : "no"; }

// The number at the start of the text, read as decimal: sign, digits, a
// point and more digits, an exponent. Blanks anywhere are ignored.
double LeadingNumber(const std::string& text) {
  std::string compact;
  for (char c : text) {
    if (c != ' ' && c != '\t') compact += c;
  }
  // Only a text that starts like a decimal number counts ("inf" and "nan" do
  // not); a leading "+" is allowed.
  const bool negative = !compact.empty() && compact[0] == '-';
  const std::size_t signLength = !compact.empty() && (negative || compact[0] == '+');
  const std::string_view digits = std::string_view(compact).substr(signLength);
  const bool decimalStart = !digits.empty() && (std::isdigit(static_cast<unsigned char>(digits[0])) ||
                                                digits[0] == '.');
  if (!decimalStart) return 0;
  // from_chars, unlike strtod, ignores the locale Qt sets up.
  double value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (end == digits.data()) return 0;  // a lone "."
  if (error == std::errc::result_out_of_range) {
    const std::string_view number(digits.data(), end - digits.data());
    const std::size_t exponent = number.find_first_of("eE");
    const bool tiny = exponent != std::string_view::npos && exponent + 1 < number.size() &&
                      number[exponent + 1] == '-';
    value = tiny ? 0 : HUGE_VAL;
  }
  return negative ? -value : value;
}

}  // namespace

int ParseMaxRecentFiles(const std::string& text) {
  const double number = std::nearbyint(LeadingNumber(text));  // halves to even
  if (!(number > 0)) return 0;  // negative numbers and NaN
  if (number > kMostRecentFiles) return kMostRecentFiles;
  return static_cast<int>(number);
}

bool InstalledProgram(const std::string& programFolder) {
  const std::size_t slash = programFolder.find_last_of("/\\");
  if (slash == std::string::npos || programFolder.substr(slash + 1) != "bin") return false;
  return platform::FileExists(programFolder.substr(0, slash) + "/share/applications/kvpm.desktop");
}

std::string SettingsFilePath(const std::string& programFolder) {
  if (!InstalledProgram(programFolder) && platform::FolderWritable(programFolder)) {
    return platform::PathInFolder(programFolder, "kvpm.ini");
  }
  const std::string folder = platform::UserConfigFolder();
  platform::CreateFolders(folder);
  return folder + "/kvpm.ini";
}

std::string ProgramDialogFolder(const std::string& programFolder) {
  return InstalledProgram(programFolder) ? "" : programFolder;
}

void ReadSettings(Settings& settings, const std::string& programFolder) {
  settings.file = SettingsFilePath(programFolder);
  // A hidden kvpm.ini is the user's file all the same, and is not replaced.
  if (!platform::FileExists(settings.file)) {
    WriteDefaultSettings(settings);
    return;
  }
  const auto general = [&settings](const std::string& key, const std::string& defaultValue) {
    return tsf::ReadIniValue("General", key, settings.file, defaultValue);
  };
  settings.allowHgDeletion = tsf::ParseYesNo(general("AllowHGDeletion", ""), false);
  settings.allowKvDeletion = tsf::ParseYesNo(general("AllowKVDeletion", ""), false);
  settings.maxRecentFiles = ParseMaxRecentFiles(general("MaxRecentFiles", "4"));
  settings.saveKvlNames = tsf::ParseYesNo(general("SaveKVLNames", "no"), false);
}

void WriteDefaultSettings(const Settings& settings) {
  const std::string lineEnd = "\r\n";
  const std::string content =
      "[General]" + lineEnd +
      "MaxRecentFiles=" + std::to_string(settings.maxRecentFiles) +
      " ;how many recent files will be displayed on the File menu. Min=0, Max=9" + lineEnd +
      "AllowHGDeletion=" + YesNo(settings.allowHgDeletion) +
      " ;button allows removal of HG soundtrack file" + lineEnd +
      "AllowKVDeletion=" + YesNo(settings.allowKvDeletion) +
      " ;button allows removal of KV soundtrack file" + lineEnd +
      "SaveKVLNames=no ;when resaving a mod's playlist, should track names be preserved? "
      "(not recommended)" + lineEnd +
      "ShowDisclaimer=yes" + lineEnd +
      lineEnd +
      "[RecentFiles]" + lineEnd +
      lineEnd;
  // A folder that cannot be written leaves the program with its values in
  // memory; nothing else depends on the file being there.
  platform::WriteWholeFile(settings.file, content);
}

}  // namespace kvpm
