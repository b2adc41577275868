#pragma once
// A theme or playlist file as its lines, to build the whole file a test
// expects from a golden file under fixtures/theme/ by naming only the lines
// that differ. Every change must find its place, or the test fails.
//
//   ThemeFileLines expected = ThemeFileLines::Golden("new-playlist.ini");
//   expected.SetValue("INTRO", "Sound", "USER07");
//   EXPECT_EQ(ThemeFileText(state), expected.Text());

#include <string>
#include <vector>

namespace kvpm::testing {

class ThemeFileLines {
 public:
  // Splits at CR LF; a line end without its CR, or a last line without an
  // end, fails the test.
  explicit ThemeFileLines(const std::string& text);
  static ThemeFileLines Golden(const std::string& name);

  std::string Text() const;  // every line followed by CR LF

  // The [Themes] line "number=..." becomes "number=value".
  void SetThemesEntry(int number, const std::string& value);
  // The first "key=" line of the section named `section` becomes "key=value".
  void SetValue(const std::string& section, const std::string& key, const std::string& value);
  // Inserts `line` right after the section's first line equal to `after`.
  void InsertAfter(const std::string& section, const std::string& after, const std::string& line);
  // Removes the section's first line that starts with `start`.
  void RemoveLine(const std::string& section, const std::string& start);

  // The names of the track sections, the sections after the first separator, in file order.
  std::vector<std::string> TrackSectionNames() const;

 private:
  // The index of the section's first line that starts with `start`; -1 when none.
  int FindInSection(const std::string& section, const std::string& start) const;

  std::vector<std::string> lines_;
};

}  // namespace kvpm::testing
