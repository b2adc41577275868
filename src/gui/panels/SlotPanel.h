#pragma once
// One slot's group: "Intro / Main Menu Track", "Loading / Map Loading Track"
// or "Score / Mission End Track", with four option buttons and the label that
// names the custom track.

#include <QGroupBox>
#include <QLabel>
#include <QStringList>
#include <array>

class QButtonGroup;
class QRadioButton;

namespace kvpm {

struct SlotControls;

// lblINTRO, lblLOADING, lblSCORE: a click selects the "Custom:" option.
class SlotLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 signals:
  void Clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

struct SlotPanelSetup {
  QString frameName;    // "Frame3"
  QString caption;      // "Intro / Main Menu Track"
  QString controlName;  // "INTRO": optINTRO_0..3 and lblINTRO
  QStringList optionCaptions;
};

class SlotPanel : public QGroupBox {
  Q_OBJECT

 public:
  SlotPanel(const SlotPanelSetup& setup, QWidget* parent);

  void Show(const SlotControls& slot);

 signals:
  void OptionChosen(int option);  // the user selected option button k
  void LabelClicked();

 private:
  QButtonGroup* group_;
  std::array<QRadioButton*, 4> options_{};
  SlotLabel* label_;
};

}  // namespace kvpm
