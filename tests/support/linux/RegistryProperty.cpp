#include "support/linux/RegistryProperty.h"

#include <set>

#include "platform/AsciiText.h"
#include "platform/Registry.h"
#include "platform/linux/WineRegistryText.h"
#include "support/FuzzInput.h"

namespace kvpm::testing {

namespace {

// The values the program itself asks for, and the drive table's.
const char* const kProgramValues[] = {
    "HKLM\\SOFTWARE\\Tallowmere\\Harrowgate\\InstallPath",
    "HKLM\\SOFTWARE\\Tallowmere\\Korvale\\InstallPath",
    "HKLM\\SOFTWARE\\Tallowmere\\Korvale\\Version",
    "HKLM\\SOFTWARE\\Morvane\\Morvane Games\\Velmora Anthology\\hg_folder",
    "HKLM\\Software\\Wine\\Drives\\d:",
    "HKLM\\Software\\Wow6432Node\\Tallowmere\\Korvale\\",
};

bool IsDecimal(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

class RegistryProperty : public Property {
 public:
  explicit RegistryProperty(FakePrefix& prefix) : prefix_(prefix) {}

  Violations Check(std::string_view input) override {
    const Fields fields = SplitFields(input, 2);
    const std::string& path = fields.texts[0];
    const std::string& bytes = fields.texts[1];
    Violations violations;
    const std::set<std::string> dataTexts = CheckLines(violations, bytes);
    prefix_.SetSystemReg(bytes);
    std::vector<std::string> paths(std::begin(kProgramValues), std::end(kProgramValues));
    paths.push_back(path);
    for (const std::string& valuePath : paths) {
      const std::string value = platform::ReadRegistryText(valuePath);
      Expect(violations, value.empty() || dataTexts.count(value) == 1,
             "\"" + Printable(valuePath) + "\" reads as \"" + Printable(value) +
                 "\", which no value line holds");
    }
    const std::string expected = path.substr(0, path.find('\0'));
    Expect(violations, platform::DataText(RegString("Name", path).data) == expected,
           "an escaped string does not read back");
    Expect(violations, platform::DataText(RegExpandString("Name", path).data) == expected,
           "an escaped expandable string does not read back");
    return violations;
  }

 private:
  // Takes every line apart and gives the data texts of its value lines.
  static std::set<std::string> CheckLines(Violations& violations, std::string_view bytes) {
    std::set<std::string> texts;
    for (std::size_t pos = 0; pos < bytes.size();) {
      const platform::LineSpan span = platform::LineAt(bytes, pos);
      pos = span.end;
      const std::string_view line = bytes.substr(span.start, span.contentEnd - span.start);
      platform::KeyOfLine(line);
      std::size_t escapedEnd = 1;
      if (platform::ReadEscaped(line, escapedEnd, '"')) {
        Expect(violations, escapedEnd <= line.size() && line[escapedEnd - 1] == '"',
               "ReadEscaped stopped elsewhere than behind its terminator");
      }
      const std::optional<platform::ValueLine> value = platform::ValueOfLine(line);
      if (!value) continue;
      const std::string text = platform::DataText(value->data);
      if (value->data.substr(0, 6) == "dword:") {
        Expect(violations, text.empty() || IsDecimal(text),
               "a DWORD reads as \"" + Printable(text) + "\"");
      }
      texts.insert(text);
    }
    return texts;
  }

  FakePrefix& prefix_;
};

}  // namespace

std::unique_ptr<Property> MakeRegistryProperty(FakePrefix& prefix) {
  return std::make_unique<RegistryProperty>(prefix);
}

}  // namespace kvpm::testing
