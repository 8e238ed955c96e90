// Keeping the two grids in step through real user input on the widgets.

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "view_fixture.h"

namespace qfc::test {
namespace {

class SynchronisationTest : public ViewFixture {
 protected:
  void SetUp() override {
    FillEqual(200);
    Show();
    window_.SizeControls(6000);
  }
  void ClickRow(ResultGrid& grid, std::int32_t row) {
    const QPoint centre = grid.visualRect(grid.model()->index(row - 1, 0)).center();
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centre);
  }
};

TEST_F(SynchronisationTest, ClickingARowSelectsItInTheOtherGrid) {
  int resets = 0;
  window_.SetClickResetsSearch([&] { ++resets; });
  ClickRow(Left(), 12);
  EXPECT_EQ(Right().ActiveRow(), 12);
  EXPECT_TRUE(Right().IsCellSelected(kTextColumn, 12));
  EXPECT_TRUE(Right().IsCellSelected(kCopyColumn, 12));
  EXPECT_FALSE(Right().IsCellSelected(kTextColumn, 11));
  EXPECT_EQ(resets, 1);

  QTest::keyClick(&Left(), Qt::Key_Down);  // moving the active cell moves the other's
  EXPECT_EQ(Right().ActiveRow(), 13);
  EXPECT_FALSE(window_.Busy());
}

TEST_F(SynchronisationTest, NothingFollowsWhileBusy) {
  window_.SetBusy(true);
  ClickRow(Left(), 12);
  Left().verticalScrollBar()->setValue(30);
  EXPECT_FALSE(Right().IsCellSelected(kTextColumn, 12));
  EXPECT_EQ(Right().TopRow(), 1);
}

TEST_F(SynchronisationTest, ScrollingOneGridScrollsTheOtherOnce) {
  QSignalSpy leftScrolls(Left().verticalScrollBar(), &QScrollBar::valueChanged);
  QSignalSpy rightScrolls(Right().verticalScrollBar(), &QScrollBar::valueChanged);
  Right().verticalScrollBar()->setValue(39);
  EXPECT_EQ(Right().TopRow(), 40);
  EXPECT_EQ(Left().TopRow(), 40);
  EXPECT_EQ(leftScrolls.count(), 1);
  EXPECT_EQ(rightScrolls.count(), 1);
}

TEST_F(SynchronisationTest, TypedEditIsUndoneFromTheCopy) {
  QTest::mouseDClick(Left().viewport(), Qt::LeftButton, {}, QPoint(20, 20));
  QTest::keyClick(&Left(), Qt::Key_F2);
  ASSERT_EQ(Left().findChild<QLineEdit*>(), nullptr) << "the user cannot open an editor";

  Left().SetActiveCell(kTextColumn, 5);
  Left().BeginEdit();  // as the search does
  auto* editor = Left().findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  QTest::keyClicks(editor, "xy");
  EXPECT_EQ(Left().CellText(kTextColumn, 5), "line 5");
  EXPECT_EQ(editor->text(), "line 5");
}

// Dragging over row headers selects whole rows; the grid keeps only the text
// column of them.
TEST_F(SynchronisationTest, BlockSelectionIsNarrowedToTheTextColumn) {
  QHeaderView* header = Left().verticalHeader();
  auto send = [&](QEvent::Type type, std::int32_t row, Qt::MouseButton button,
                  Qt::MouseButtons held) {
    const QPointF at(header->width() / 2.0, header->sectionViewportPosition(row - 1) + 5);
    QMouseEvent event(type, at, header->viewport()->mapToGlobal(at), button, held, {});
    QCoreApplication::sendEvent(header->viewport(), &event);
  };
  send(QEvent::MouseButtonPress, 3, Qt::LeftButton, Qt::LeftButton);
  send(QEvent::MouseMove, 7, Qt::NoButton, Qt::LeftButton);
  ASSERT_TRUE(Left().IsCellSelected(kCopyColumn, 5)) << "the header selects whole rows";
  send(QEvent::MouseButtonRelease, 7, Qt::LeftButton, Qt::NoButton);
  QCoreApplication::processEvents();

  for (std::int32_t row = 3; row <= 7; ++row) {
    EXPECT_TRUE(Left().IsCellSelected(kTextColumn, row)) << "row " << row;
    EXPECT_FALSE(Left().IsCellSelected(kCopyColumn, row)) << "row " << row;
  }
  EXPECT_FALSE(Left().IsCellSelected(kTextColumn, 8));
}

}  // namespace
}  // namespace qfc::test
