#include "gui/panels/SoundtrackPanel.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/adapters/QtText.h"
#include "state/ShowState.h"

namespace kvpm {

namespace {

// Wider gaps set off the mod soundtracks (index 10 on) and the two generic ones.
bool GapBefore(int index) { return index == 10 || index == 13; }

// Screen readers and voice control name the button by its caption; its
// description, and a disabled button's tooltip, say what it does or why it
// is disabled.
void ShowButton(QPushButton* button, const Button& state) {
  button->setText(ToQt(state.caption));
  button->setEnabled(state.enabled);
  button->setAccessibleDescription(ToQt(state.description));
  button->setToolTip(state.enabled ? QString() : ToQt(state.description));
}

}  // namespace

void SoundtrackBox::nextCheckState() {
  setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

SoundtrackPanel::SoundtrackPanel(QWidget* parent)
    : QGroupBox("Available Soundtracks", parent) {
  setObjectName("Frame1");
  auto* layout = new QVBoxLayout(this);
  for (int index = 0; index < static_cast<int>(boxes_.size()); ++index) {
    if (GapBefore(index)) layout->addSpacing(10);
    auto* box = new SoundtrackBox(this);
    box->setObjectName(QString("cboxSoundtrack_%1").arg(index));
    connect(box, &QCheckBox::clicked, this,
            [this, index, box] { emit BoxClicked(index, FromQtCheck(box->checkState())); });
    boxes_[index] = box;
    layout->addWidget(box);
  }
  layout->addStretch(1);

  cmdHG_ = new QPushButton(this);
  cmdHG_->setObjectName("cmdHG");
  cmdKV_ = new QPushButton(this);
  cmdKV_->setObjectName("cmdKV");
  connect(cmdHG_, &QPushButton::clicked, this, &SoundtrackPanel::HgClicked);
  connect(cmdKV_, &QPushButton::clicked, this, &SoundtrackPanel::KvClicked);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmdHG_);
  buttons->addWidget(cmdKV_);
  layout->addLayout(buttons);
}

void SoundtrackPanel::Show(const ControlStates& controls) {
  for (std::size_t index = 0; index < boxes_.size(); ++index) {
    const CheckBox& state = controls.cboxSoundtrack[index];
    SoundtrackBox* box = boxes_[index];
    box->setText(ToQt(state.caption));
    box->setEnabled(state.enabled);
    box->setCheckState(ToQtCheck(state.value));
  }
  ShowButton(cmdHG_, controls.cmdHG);
  ShowButton(cmdKV_, controls.cmdKV);
}

}  // namespace kvpm
