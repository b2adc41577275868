#include "playlist/TrackListWidget.h"

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "state/WindowControls.h"

namespace kvpm {
namespace {

ListBox FiftyTracks(int current) {
  ListBox list;
  for (int t = 1; t <= 50; ++t) list.items.push_back({"Mod Track " + std::to_string(t), t % 2 == 0});
  list.currentIndex = current;
  return list;
}

TEST(TrackListWidget, ShowsTextsTicksAndCurrentItemWithoutReportingThem) {
  TrackListWidget list(nullptr);
  QSignalSpy moved(&list, &TrackListWidget::CurrentItemMoved);
  list.Show(FiftyTracks(4));
  ASSERT_EQ(list.count(), 50);
  EXPECT_EQ(list.item(1)->text(), "Mod Track 2");
  EXPECT_EQ(list.item(1)->checkState(), Qt::Checked);
  EXPECT_EQ(list.item(2)->checkState(), Qt::Unchecked);
  EXPECT_EQ(list.currentRow(), 4);
  list.Show(FiftyTracks(-1));
  EXPECT_EQ(list.currentRow(), -1);
  EXPECT_EQ(moved.count(), 0);
}

TEST(TrackListWidget, ClicksDoNotFlipTicksByThemselves) {
  TrackListWidget list(nullptr);
  list.resize(200, 300);
  list.show();
  list.Show(FiftyTracks(-1));
  QSignalSpy mouseUp(&list, &TrackListWidget::MouseUp);
  const QRect row = list.visualItemRect(list.item(2));
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(8, row.center().y()));
  EXPECT_EQ(list.item(2)->checkState(), Qt::Unchecked);
  ASSERT_EQ(mouseUp.count(), 1);
  EXPECT_EQ(mouseUp[0][0].toInt(), 1);
  EXPECT_EQ(mouseUp[0][1].toInt(), 3);

  QTest::mouseClick(list.viewport(), Qt::MiddleButton, {}, row.center());
  EXPECT_EQ(mouseUp[1][0].toInt(), 4);
}

TEST(TrackListWidget, KeyboardMenuOpensBesideTheCurrentRowAsShownWhenScrolled) {
  TrackListWidget list(nullptr);
  list.resize(200, 120);
  list.show();
  list.Show(FiftyTracks(40));
  list.verticalScrollBar()->setValue(0);  // the current row scrolled out of sight

  const QPoint position = list.MenuPositionForCurrentItem();
  const QRect row = list.visualItemRect(list.item(40));
  const QPoint local = list.viewport()->mapFromGlobal(position);
  EXPECT_TRUE(list.viewport()->rect().contains(local)) << local.x() << "," << local.y();
  EXPECT_TRUE(row.contains(local));
  EXPECT_EQ(local.y(), row.center().y());
}

}  // namespace
}  // namespace kvpm
