#include "document/listbox.h"

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QStringListModel>
#include <QTest>

namespace vantrel {
namespace {

// 100 rows of 12 px in a viewport that fits 10 of them.
class ListBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QStringList rows;
    for (int i = 0; i < 100; ++i) rows << QStringLiteral("line %1").arg(i);
    model.setStringList(rows);
    box.setModel(&model);
    box.SetRowHeight(12);
    box.resize(200, 10 * 12 + 2 * box.frameWidth());
    box.show();
    box.setFocus();
  }
  int Selected() const {
    const auto rows = box.selectionModel()->selectedIndexes();
    return rows.size() == 1 ? rows.front().row() : -static_cast<int>(rows.size()) - 1;
  }
  int FirstShown() const { return box.verticalScrollBar()->value(); }

  QStringListModel model;
  TListBox box;
};

TEST_F(ListBoxTest, KeysMoveTheSelectionAndScrollByWholeRows) {
  struct Step {
    Qt::Key key;
    int selected, firstShown;
  };
  const Step steps[] = {
      {Qt::Key_Down, 0, 0},  {Qt::Key_Down, 1, 0},   {Qt::Key_PageDown, 11, 2},
      {Qt::Key_End, 99, 90}, {Qt::Key_Down, 99, 90}, {Qt::Key_Up, 98, 90},
      {Qt::Key_Home, 0, 0},  {Qt::Key_Up, 0, 0},     {Qt::Key_PageUp, 0, 0},
  };
  for (const auto& step : steps) {
    QTest::keyClick(&box, step.key);
    EXPECT_EQ(Selected(), step.selected) << QKeySequence(step.key).toString().toStdString();
    EXPECT_EQ(FirstShown(), step.firstShown) << QKeySequence(step.key).toString().toStdString();
  }
}

TEST_F(ListBoxTest, ClickSelectsTheRowUnderTheMouseAndNothingBelowTheLastRow) {
  box.verticalScrollBar()->setValue(20);
  QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, {10, 3 * 12 + 5});
  EXPECT_EQ(Selected(), 23);
  EXPECT_EQ(box.indexAt({10, 3 * 12 + 5}).row(), 23);

  model.setStringList({"only"});
  EXPECT_EQ(box.verticalScrollBar()->maximum(), 0);
  EXPECT_FALSE(box.indexAt({10, 2 * 12 + 5}).isValid());
  EXPECT_EQ(box.visualRect(model.index(0)), QRect(0, 0, box.viewport()->width(), 12));
}

TEST_F(ListBoxTest, ScrollRangeFollowsInsertsAndRemovals) {
  EXPECT_EQ(box.verticalScrollBar()->maximum(), 90);
  model.removeRows(0, 50);
  EXPECT_EQ(box.verticalScrollBar()->maximum(), 40);
  model.insertRows(0, 5);
  EXPECT_EQ(box.verticalScrollBar()->maximum(), 45);
  box.scrollTo(model.index(54, 0));
  EXPECT_EQ(FirstShown(), 45);
  box.scrollTo(model.index(3, 0));
  EXPECT_EQ(FirstShown(), 3);
}

}  // namespace
}  // namespace vantrel
