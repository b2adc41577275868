#include "support/linux/PathProperty.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/AsciiText.h"
#include "platform/Paths.h"
#include "support/FuzzInput.h"
#include "util/TovrikStandardFunctions.h"

namespace kvpm::testing {

namespace {

namespace tsf = TovrikStandardFunctions;

// Longer texts make the plain matcher too slow to run on every input.
constexpr std::size_t kLongestMatchedText = 256;

// Windows file-name matching done the slow, obvious way.
bool PlainMatch(std::string_view name, std::string_view pattern) {
  std::vector<std::vector<bool>> match(pattern.size() + 1,
                                       std::vector<bool>(name.size() + 1, false));
  match[0][0] = true;
  for (std::size_t p = 1; p <= pattern.size(); ++p) {
    const char c = pattern[p - 1];
    match[p][0] = c == '*' && match[p - 1][0];
    for (std::size_t n = 1; n <= name.size(); ++n) {
      if (c == '*') {
        match[p][n] = match[p - 1][n] || match[p][n - 1];
      } else {
        match[p][n] = match[p - 1][n - 1] &&
                      (c == '?' || platform::LowerAscii(c) == platform::LowerAscii(name[n - 1]));
      }
    }
  }
  return match[pattern.size()][name.size()];
}

bool HasWildcard(std::string_view text) { return text.find_first_of("*?") != std::string::npos; }

std::string LastComponent(const std::string& path) {
  return path.substr(path.find_last_of("\\/") == std::string::npos ? 0
                                                                     : path.find_last_of("\\/") + 1);
}

class PathProperty : public Property {
 public:
  explicit PathProperty(FakePrefix& prefix) : prefix_(prefix) {
    for (const char* file : {"C:\\Games\\Korvale\\HGMD.INI", "C:\\Games\\Korvale\\thememd.ini",
                             "C:\\Games\\Korvale\\user01.wav", "C:\\Games\\Korvale\\.hidden.kvl",
                             "C:\\Games\\Korvale\\Mixed Case\\Read Me.TXT",
                             "C:\\Playlists\\rock;pop.kvl"}) {
      prefix_.CreateFile(file);
    }
    prefix_.CreateFolder("C:\\Games\\Korvale\\ecachethemeHG.mix");  // a folder named like a file
    const std::string drive = prefix_.Native("C:\\");
    std::error_code error;
    std::filesystem::create_directory_symlink("Games", drive + "/Link", error);
    std::filesystem::create_symlink("Loop", drive + "/Loop", error);
    driveRoot_ = prefix_.Root() + "/dosdevices/c:";
  }

  Violations Check(std::string_view input) override {
    const Fields fields = SplitFields(input, 2);
    Violations violations;
    for (const std::string& text : fields.texts) {
      CheckResolution(violations, text);
      CheckHelpers(violations, text);
    }
    CheckMatching(violations, fields.texts[0], fields.texts[1]);
    CheckMatching(violations, fields.texts[1], fields.texts[0]);
    Expect(violations,
           tsf::JoinPath(fields.texts[0], "", fields.texts[1]).ends_with(fields.texts[1]) &&
               tsf::JoinPath(fields.texts[0], fields.texts[1], "").starts_with(fields.texts[0]),
           "JoinPath loses a part");
    return violations;
  }

 private:
  void CheckResolution(Violations& violations, const std::string& text) const {
    const std::string native = platform::ResolvePath(text);
    const std::string shown = "\"" + Printable(text) + "\"";
    if (text.size() >= 2 && text[1] == ':' && platform::LowerAscii(text[0]) == 'c') {
      Expect(violations, native.starts_with(driveRoot_), shown + " leaves drive C:");
    }
    if (!text.empty() && text[0] == '\\') {
      Expect(violations, native.empty(), shown + " resolves without a drive");
    }
    if (!native.empty()) {
      Expect(violations, native.front() == '/', shown + " resolves to a relative path");
      Expect(violations, native.find("//") == std::string::npos,
             shown + " resolves with an empty component");
      Expect(violations,
             native.find("/./") == std::string::npos && native.find("/../") == std::string::npos &&
                 !native.ends_with("/.") && !native.ends_with("/.."),
             shown + " resolves with a \".\" or \"..\" component");
    }
    const bool file = platform::AnyMatch(text, false);
    const bool anything = platform::AnyMatch(text, true);
    Expect(violations, !file || anything, shown + ": a file matches, but not among folders too");
    Expect(violations, tsf::PathExists(text, false) == file, shown + ": PathExists differs");
    if (file && !HasWildcard(LastComponent(text))) {
      struct stat status;
      Expect(violations, lstat(native.c_str(), &status) == 0,
             shown + " is found but resolves to nothing");
    }
    const std::string shortPath = tsf::GetShortPath(text);
    // A pattern has no short form, though the search may find files for it.
    Expect(violations,
           shortPath.empty() ? !anything || HasWildcard(LastComponent(text)) : anything,
           shown + ": the short form and the search disagree");
    if (!shortPath.empty()) {
      Expect(violations, tsf::GetShortPath(shortPath) == shortPath,
             shown + ": the short form of the short form differs");
    }
  }

  static void CheckHelpers(Violations& violations, const std::string& text) {
    const std::string shown = "\"" + Printable(text) + "\"";
    std::string name, folder;
    tsf::SplitPath(text, name, folder);
    std::string rest = text;
    if (!rest.empty() && (rest.back() == '\\' || rest.back() == '/')) rest.pop_back();
    const bool rejoined =
        folder.empty() ? rest == name || (rest.size() == name.size() + 1 &&
                                          (rest[0] == '\\' || rest[0] == '/') &&
                                          rest.substr(1) == name)
                       : rest.size() == folder.size() + 1 + name.size() &&
                             rest.starts_with(folder) && rest.ends_with(name) &&
                             (rest[folder.size()] == '\\' || rest[folder.size()] == '/');
    Expect(violations, rejoined, "SplitPath of " + shown + " does not rejoin");
    Expect(violations, name.find('\\') == std::string::npos,
           "SplitPath of " + shown + " leaves a backslash in the name");
    Expect(violations, tsf::ExtractFileName(text) == name, "ExtractFileName of " + shown);

    const std::string invalid = tsf::InvalidFileNameChars();
    const std::string kept = tsf::RemoveChars(text, invalid);
    Expect(violations, kept.find_first_of("\\/:*?\"<>|") == std::string::npos,
           "RemoveChars leaves an invalid character in " + shown);
    if (tsf::IsValidPath(text)) {
      Expect(violations,
             text.size() >= 3 && text[1] == ':' && text[2] == '\\' &&
                 tsf::RemoveChars(text.substr(3), "/ : * ? \" < > |").size() == text.size() - 3 &&
                 text.find("\\\\") == std::string::npos,
             shown + " is taken as a valid path");
    }
  }

  static void CheckMatching(Violations& violations, const std::string& name,
                            const std::string& pattern) {
    const std::string shown = "\"" + Printable(name) + "\" against \"" + Printable(pattern) + "\"";
    Expect(violations, platform::WildcardMatch(name, name), shown + ": a name misses itself");
    Expect(violations, platform::WildcardMatch(name, "*"), shown + ": \"*\" misses");
    if (name.size() <= kLongestMatchedText && pattern.size() <= kLongestMatchedText) {
      Expect(violations, platform::WildcardMatch(name, pattern) == PlainMatch(name, pattern),
             shown + ": WildcardMatch and the plain matcher differ");
    }
  }

  FakePrefix& prefix_;
  std::string driveRoot_;
};

}  // namespace

std::unique_ptr<Property> MakePathProperty(FakePrefix& prefix) {
  return std::make_unique<PathProperty>(prefix);
}

}  // namespace kvpm::testing
