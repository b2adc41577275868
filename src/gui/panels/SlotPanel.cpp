#include "gui/panels/SlotPanel.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "gui/adapters/QtText.h"
#include "state/ShowState.h"

namespace kvpm {

void SlotLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit Clicked();
  }
  QLabel::mouseReleaseEvent(event);
}

SlotPanel::SlotPanel(const SlotPanelSetup& setup, QWidget* parent)
    : QGroupBox(setup.caption, parent) {
  setObjectName(setup.frameName);
  group_ = new QButtonGroup(this);
  auto* layout = new QVBoxLayout(this);
  for (int option = 0; option < static_cast<int>(options_.size()); ++option) {
    auto* button = new QRadioButton(setup.optionCaptions.value(option), this);
    button->setObjectName(QString("opt%1_%2").arg(setup.controlName).arg(option));
    group_->addButton(button, option);
    options_[option] = button;
    layout->addWidget(button);
  }
  label_ = new SlotLabel(this);
  label_->setObjectName("lbl" + setup.controlName);
  label_->setCursor(Qt::PointingHandCursor);
  label_->setTextFormat(Qt::PlainText);
  label_->setToolTip("Click to use this track");
  auto* labelRow = new QHBoxLayout;
  labelRow->addSpacing(20);  // the label stands below "Custom:", indented like its caption
  labelRow->addWidget(label_, 1);
  layout->addLayout(labelRow);

  connect(group_, &QButtonGroup::idToggled, this, [this](int option, bool checked) {
    if (checked) emit OptionChosen(option);
  });
  connect(label_, &SlotLabel::Clicked, this, &SlotPanel::LabelClicked);
}

void SlotPanel::Show(const SlotControls& slot) {
  const QSignalBlocker blocker(group_);
  const bool selected =
      slot.selectedOption >= 0 && slot.selectedOption < static_cast<int>(options_.size());
  if (selected) options_[slot.selectedOption]->setChecked(true);
  // Tab enters the group on its selected option, the first when none is,
  // and the arrow keys move within it: Tab and Space never change the choice.
  for (int option = 0; option < static_cast<int>(options_.size()); ++option) {
    const bool tabStop = option == (selected ? slot.selectedOption : 0);
    options_[option]->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
  }
  label_->setText(ToQt(slot.label));
  // The custom track's name stands in a label of its own: a screen reader
  // hears it with the "Custom:" option.
  QRadioButton* custom = options_.back();
  custom->setAccessibleName((custom->text() + ' ' + label_->text()).trimmed());
}

}  // namespace kvpm
