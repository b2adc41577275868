#pragma once
// "Individual Track Selection": the soundtrack drop-down and the track list.

#include <QGroupBox>

class QComboBox;

namespace kvpm {

struct ControlStates;
class TrackListWidget;

class TrackSelectionPanel : public QGroupBox {
  Q_OBJECT

 public:
  explicit TrackSelectionPanel(QWidget* parent);

  void Show(const ControlStates& controls);
  TrackListWidget* List() const { return lstTracks_; }

 signals:
  void EntryChosen(int index);  // the user chose a drop-down entry

 private:
  QComboBox* comboSoundtrack_;
  TrackListWidget* lstTracks_;
};

}  // namespace kvpm
