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

// An archive button's soundtrack and the setting that allows its deletion.
struct ArchiveButton {
  const std::string& copyCaption;
  QString soundtrack;
  QString deletionKey;
};

// Screen readers and voice control name the button by its caption. Its
// description says what it will do; for a disabled button, why it is
// disabled: the archive is there, and kvpm.ini does not allow its deletion.
void ShowButton(QPushButton* button, const Button& state, const ArchiveButton& archive) {
  button->setText(ToQt(state.caption));
  button->setEnabled(state.enabled);
  const QString action = state.caption == archive.copyCaption
                             ? "Copy the %1 soundtrack from its CD to the game folder."
                             : "Delete the %1 soundtrack from the game folder.";
  const QString disabled =
      QString("Deleting the %1 soundtrack is switched off: set %2=yes in kvpm.ini to allow it.")
          .arg(archive.soundtrack, archive.deletionKey);
  button->setAccessibleDescription(state.enabled ? action.arg(archive.soundtrack) : disabled);
  button->setToolTip(state.enabled ? QString() : disabled);
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
  ShowButton(cmdHG_, controls.cmdHG, {kCopyHgCaption, "Harrowgate", "AllowHGDeletion"});
  ShowButton(cmdKV_, controls.cmdKV, {kCopyKvCaption, "Korvale", "AllowKVDeletion"});
}

}  // namespace kvpm
