#pragma once
// "Available Soundtracks": the 14 soundtrack boxes and the two archive buttons.

#include <QCheckBox>
#include <QGroupBox>
#include <array>

class QPushButton;

namespace kvpm {

struct ControlStates;

// A box the program may set to the partial state, while a click by the user
// only ever ticks or unticks it: a partial box becomes ticked.
class SoundtrackBox : public QCheckBox {
  Q_OBJECT

 public:
  using QCheckBox::QCheckBox;

 protected:
  void nextCheckState() override;
};

class SoundtrackPanel : public QGroupBox {
  Q_OBJECT

 public:
  explicit SoundtrackPanel(QWidget* parent);

  void Show(const ControlStates& controls);

 signals:
  // The user clicked the box (mouse or Space); newValue is the box's value now.
  void BoxClicked(int index, int newValue);
  void HgClicked();
  void KvClicked();

 private:
  std::array<SoundtrackBox*, 14> boxes_{};
  QPushButton* cmdHG_;
  QPushButton* cmdKV_;
};

}  // namespace kvpm
