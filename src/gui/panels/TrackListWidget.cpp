#include "gui/panels/TrackListWidget.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "gui/adapters/QtText.h"
#include "state/ShowState.h"

namespace kvpm {

namespace {

constexpr int kVirtualKeySpace = 32;
constexpr int kVirtualKeyApps = 93;
constexpr int kMenuOffsetX = 64;  // the menu opens this far right of the list's edge

int ButtonCode(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return 1;
    case Qt::RightButton:
      return 2;
    case Qt::MiddleButton:
      return 4;
    default:
      return 0;
  }
}

int VirtualKey(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Space:
      return kVirtualKeySpace;
    case Qt::Key_Menu:
      return kVirtualKeyApps;
    default:
      return 0;
  }
}

}  // namespace

TrackListWidget::TrackListWidget(QWidget* parent) : QListWidget(parent) {
  setObjectName("lstTracks");
  setSelectionMode(QAbstractItemView::SingleSelection);
  setContextMenuPolicy(Qt::PreventContextMenu);  // the program opens menu_rc itself
  viewport()->installEventFilter(this);
  connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!showing_) emit CurrentItemMoved(row);
  });
}

void TrackListWidget::Show(const ListBox& list) {
  showing_ = true;
  const bool sameItems = count() == static_cast<int>(list.items.size());
  if (!sameItems) clear();
  for (int index = 0; index < static_cast<int>(list.items.size()); ++index) {
    const ListItem& state = list.items[index];
    QListWidgetItem* row = sameItems ? item(index) : nullptr;
    if (row == nullptr) {
      // Checkable for display only: the user's clicks go through the program.
      row = new QListWidgetItem(this);
      row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    const QString text = ToQt(state.text);
    if (row->text() != text) row->setText(text);
    row->setCheckState(state.ticked ? Qt::Checked : Qt::Unchecked);
  }
  // Rows reused for another soundtrack would keep the old scroll position.
  if (fillings_ != list.fillings) scrollToTop();
  fillings_ = list.fillings;
  if (list.currentIndex < 0) {
    setCurrentRow(-1);
    clearSelection();
  } else {
    setCurrentRow(list.currentIndex);
  }
  showing_ = false;
}

QPoint TrackListWidget::MenuPositionForCurrentItem() {
  QListWidgetItem* current = currentItem();
  if (current == nullptr) return viewport()->mapToGlobal(QPoint(kMenuOffsetX, 0));
  scrollToItem(current);
  const QRect row = visualItemRect(current);
  return viewport()->mapToGlobal(QPoint(row.left() + kMenuOffsetX, row.center().y()));
}

bool TrackListWidget::eventFilter(QObject* watched, QEvent* event) {
  if (watched == viewport() && event->type() == QEvent::MouseButtonRelease) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QModelIndex index = indexAt(mouse->position().toPoint());
    const int button = ButtonCode(mouse->button());
    if (button != 0) emit MouseUp(button, index.isValid() ? index.row() + 1 : 0);
    // Qt sees the release too and ends its press; no tick can flip, since
    // the items are not checkable by the user.
  }
  return QListWidget::eventFilter(watched, event);
}

void TrackListWidget::keyReleaseEvent(QKeyEvent* event) {
  const int key = VirtualKey(event->key());
  if (key != 0 && !event->isAutoRepeat()) {
    emit KeyUp(key);
    return;
  }
  QListWidget::keyReleaseEvent(event);
}

void TrackListWidget::focusInEvent(QFocusEvent* event) {
  // Qt would make the first item current on any focus but a click's; here
  // only Tab, Backtab and the program's own focus calls do. Focus given back
  // by the window's activation or a closed menu or message box leaves the
  // list as it was: Space would otherwise toggle track 1 unasked.
  const QModelIndex current = currentIndex();
  showing_ = true;
  QListWidget::focusInEvent(event);
  selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
  showing_ = false;
  const Qt::FocusReason reason = event->reason();
  if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
      reason == Qt::OtherFocusReason) {
    emit FocusByKeyboard(QApplication::mouseButtons().testFlag(Qt::LeftButton));
  }
}

}  // namespace kvpm
