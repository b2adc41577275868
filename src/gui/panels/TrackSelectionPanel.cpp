#include "gui/panels/TrackSelectionPanel.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "gui/adapters/QtText.h"
#include "gui/panels/TrackListWidget.h"
#include "state/ShowState.h"

namespace kvpm {

TrackSelectionPanel::TrackSelectionPanel(QWidget* parent)
    : QGroupBox("Individual Track Selection", parent) {
  setObjectName("Frame2");
  comboSoundtrack_ = new QComboBox(this);
  comboSoundtrack_->setObjectName("comboSoundtrack");
  comboSoundtrack_->setEditable(false);
  // Screen readers name each control: these two have no caption of their own.
  comboSoundtrack_->setAccessibleName("Soundtrack shown in the track list");
  lstTracks_ = new TrackListWidget(this);
  lstTracks_->setAccessibleName(title());
  connect(comboSoundtrack_, &QComboBox::activated, this, &TrackSelectionPanel::EntryChosen);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(comboSoundtrack_);
  layout->addWidget(lstTracks_, 1);
}

void TrackSelectionPanel::Show(const ControlStates& controls) {
  const QSignalBlocker blocker(comboSoundtrack_);
  const auto& items = controls.comboSoundtrack.items;
  bool sameItems = comboSoundtrack_->count() == static_cast<int>(items.size());
  for (int index = 0; sameItems && index < comboSoundtrack_->count(); ++index) {
    sameItems = comboSoundtrack_->itemData(index).toInt() == items[index].data;
  }
  if (!sameItems) {
    comboSoundtrack_->clear();
    for (const ComboItem& item : items) comboSoundtrack_->addItem(ToQt(item.text), item.data);
  }
  comboSoundtrack_->setCurrentIndex(controls.comboSoundtrack.selectedIndex);
  lstTracks_->Show(controls.lstTracks);
}

}  // namespace kvpm
