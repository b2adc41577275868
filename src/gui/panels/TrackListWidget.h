#pragma once
// lstTracks: a list with a check box per item. The ticks follow the playlist
// only: the list never flips one by itself, it reports the user's mouse-up,
// key-up and keyboard focus, and the program sets the ticks.

#include <QListWidget>

namespace kvpm {

struct ListBox;

class TrackListWidget : public QListWidget {
  Q_OBJECT

 public:
  explicit TrackListWidget(QWidget* parent);

  void Show(const ListBox& list);

  // Where the context menu opens when called from the keyboard: beside the
  // current item's row as it is shown, scrolled into view if need be.
  QPoint MenuPositionForCurrentItem();

 signals:
  // button: 1 left, 2 right, 4 middle; item: list index + 1, 0 for no item.
  void MouseUp(int button, int item);
  // A key released in the list, as a Windows virtual-key code (32 Space, 93 menu key).
  void KeyUp(int keyCode);
  // Focus arrived by Tab, Backtab or the program's own call; not by a click,
  // the window's activation or a closed menu or message box.
  void FocusByKeyboard(bool leftButtonDown);
  // The user moved the current item with the keyboard.
  void CurrentItemMoved(int index);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  bool showing_ = false;
  int fillings_ = 0;  // the list's filling that is shown
};

}  // namespace kvpm
