#pragma once
// Asked once when several Wine prefixes hold the game: a list of them (the
// launcher, the prefix folder, the game folder) and "Remember this choice",
// ticked. OK takes the chosen one, Cancel ends the program.

#include <QDialog>
#include <optional>
#include <vector>

#include "state/UserDialogs.h"

class QCheckBox;
class QTreeWidget;

namespace kvpm {

class PrefixWindow : public QDialog {
  Q_OBJECT

 public:
  PrefixWindow(QWidget* parent, const std::vector<PrefixOffer>& offers);

  // The user's answer once the window was accepted; nothing otherwise.
  std::optional<PrefixAnswer> Answer() const;

 private:
  QTreeWidget* list_;
  QCheckBox* remember_;
};

}  // namespace kvpm
