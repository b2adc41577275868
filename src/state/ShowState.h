#pragma once
// The main window's controls as the model shows them: captions, values,
// enabled and visible states, drawn anew after every action. Control arrays
// are indexed from 0, as the window's controls are.

#include <array>
#include <string>
#include <vector>

#include "state/MainState.h"

namespace kvpm {

struct CheckBox {
  std::string caption;
  int value = Unticked;
  bool enabled = true;
};

struct Button {
  std::string caption;
  bool enabled = true;
  std::string description;  // what it does; for a disabled button, why it is disabled
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
  int selectedOption = kGenericModOption;
  std::string label;
};

inline const std::string kCopyHgCaption = "Copy HG Soundtrack from CD";
inline const std::string kCopyKvCaption = "Copy KV   Soundtrack from CD";
inline const std::string kDeleteHgCaption = "Delete HG Soundtrack from Disk";
inline const std::string kDeleteKvCaption = "Delete KV Soundtrack from Disk";

struct ControlStates {
  std::string caption;
  bool enabled = true;

  std::array<CheckBox, kSoundtrackCount> cboxSoundtrack;  // index s-1 for soundtrack s
  Button cmdHG;
  Button cmdKV;

  ComboBox comboSoundtrack;
  ListBox lstTracks;

  SlotControls optINTRO;    // with lblINTRO
  SlotControls optLOADING;  // with lblLOADING
  SlotControls optSCORE;    // with lblSCORE

  CheckBox cboxMusic;
  CheckBox cboxShuffle;

  MenuItem menu_disable;
  std::array<MenuItem, 10> menu_file;  // menu_file1 to menu_file9; index 0 unused
  MenuItem menu_line4;
};

// Every control as the model and the window's own state show it.
ControlStates ShowState(const MainState& state);

}  // namespace kvpm
