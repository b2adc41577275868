#pragma once
// The main window's state as start-up leaves it over a fake game folder:
// the catalogue built, availability decided, a new playlist shown. Every
// soundtrack but 2 (Quillan) has its archive in the game folder, so there is
// one unavailable soundtrack to stay clear of.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "state/MainState.h"
#include "support/FakeDialogs.h"
#include "support/FakePrefix.h"

namespace kvpm::testing {

class EditingFixture : public ::testing::Test {
 protected:
  EditingFixture();

  // The list's ticks, one character per item: '1' ticked, '0' not.
  std::string Ticks() const;
  // The values of the 14 soundtrack boxes, one digit per box.
  std::string Boxes() const;
  // The list items' texts.
  std::vector<std::string> ItemTexts() const;

  FakePrefix prefix;
  FakeDialogs dialogs;
  MainState state{dialogs};
};

}  // namespace kvpm::testing
