#pragma once
// The main window's controls as the program sees them: captions, values,
// enabled and visible states. The procedures set these; the Qt window shows
// them after every event. Control arrays are indexed from 0.

#include <array>
#include <string>
#include <vector>

namespace kvpm {

// Check-box values: unticked, ticked, and the partial (greyed) state.
enum CheckValue : int { Unticked = 0, Ticked = 1, Partial = 2 };

struct CheckBox {
  std::string caption;
  int value = Unticked;
  bool enabled = true;
};

struct Button {
  std::string caption;
  bool enabled = true;
};

struct ComboItem {
  std::string text;
  int data = 0;  // the soundtrack number
};

struct ComboBox {
  std::vector<ComboItem> items;
  int selectedIndex = -1;
};

struct ListItem {
  std::string text;
  bool ticked = false;
};

struct ListBox {
  std::vector<ListItem> items;
  int currentIndex = -1;  // the focused, highlighted item; -1 for none
  int fillings = 0;       // counts each filling anew, which starts at the top
};

struct MenuItem {
  std::string caption;
  bool enabled = true;
  bool visible = true;
  bool checked = false;
};

// A slot's four option buttons (which one is selected) and its label.
struct SlotControls {
  int selectedOption = 1;
  std::string label;
};

inline const std::string kProgramTitle = "KV Playlist Manager";
inline const std::string kCopyHgCaption = "Copy HG Soundtrack from CD";
inline const std::string kCopyKvCaption = "Copy KV   Soundtrack from CD";
inline const std::string kDeleteHgCaption = "Delete HG Soundtrack from Disk";
inline const std::string kDeleteKvCaption = "Delete KV Soundtrack from Disk";

struct WindowControls {
  WindowControls() {
    for (MenuItem& item : menu_file) item.visible = false;  // recent files start hidden
  }

  std::string caption = kProgramTitle;
  bool enabled = true;  // false while the About or FAQ window is open

  std::array<CheckBox, 14> cboxSoundtrack;
  Button cmdHG{kCopyHgCaption};
  Button cmdKV{kCopyKvCaption};

  ComboBox comboSoundtrack;
  ListBox lstTracks;

  SlotControls optINTRO;    // with lblINTRO
  SlotControls optLOADING;  // with lblLOADING
  SlotControls optSCORE;    // with lblSCORE

  CheckBox cboxMusic{"Game Music", Ticked};
  CheckBox cboxShuffle{"Shuffle", Ticked};

  MenuItem menu_disable{"&Deactivate Custom Playlist", false};
  std::array<MenuItem, 10> menu_file{};  // menu_file1 to menu_file9; index 0 unused
  MenuItem menu_line4{"", true, false};

  // The track list's context menu: check marks and the track it was opened for.
  MenuItem menu_intro{"Use as &Intro"};
  MenuItem menu_loading{"Use as &Loading"};
  MenuItem menu_score{"Use as &Score"};
  std::string menuRcTag;
};

}  // namespace kvpm
