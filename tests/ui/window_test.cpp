#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

#include "tests/ui/window_fixture.h"
#include "ui/updown.h"

namespace vantrel {
namespace {

using testing::WindowTest;

TEST_F(WindowTest, OpensWithTheDesignedControlsAndValues) {
  EXPECT_EQ(window.windowTitle(), "Vantrel");
  EXPECT_EQ(window.pos(), QPoint(200, 142));

  struct Control {
    const char* name;
    QRect place;
  };
  const Control controls[] = {
      {"Month", {24, 36, 25, 20}},
      {"MonthUd", {49, 36, 15, 20}},
      {"MonthDay", {72, 36, 25, 20}},
      {"MonthDayUd", {97, 36, 15, 20}},
      {"Hour", {120, 36, 25, 20}},
      {"HourUd", {145, 36, 15, 20}},
      {"Minute", {172, 36, 29, 20}},
      {"MinuteUd", {201, 36, 15, 20}},
      {"AsterRisk", {252, 16, 65, 17}},
      {"SunDay", {252, 36, 33, 17}},
      {"MonDay", {292, 36, 33, 17}},
      {"TueDay", {328, 36, 33, 17}},
      {"WedDay", {368, 36, 33, 17}},
      {"ThuDay", {252, 64, 33, 17}},
      {"FriDay", {292, 64, 33, 17}},
      {"SatDay", {328, 64, 33, 17}},
      {"AddItem", {184, 124, 20, 20}},
      {"GetItem", {212, 124, 20, 20}},
      {"DeleteItem", {260, 124, 20, 20}},
      // The designed client width of 416 is below the minimum of 424, so the
      // list and the command box open 392 wide.
      {"Command", {20, 96, 392, 20}},
      {"CronLine", {20, 148, 392, 130}},
  };
  for (const auto& c : controls) {
    auto* widget = window.Panel1->findChild<QWidget*>(QLatin1String(c.name));
    ASSERT_NE(widget, nullptr) << c.name;
    EXPECT_EQ(widget->geometry(), c.place) << c.name;
  }
  EXPECT_EQ(window.Panel1->size(), QSize(424, 300));

  EXPECT_EQ(window.Label1->text(), "月        日          時        分           曜日");
  EXPECT_EQ(window.Label2->text(), "コマンド");
  EXPECT_EQ(window.Label4->text(), "作成される Crontab file");
  EXPECT_EQ(window.Label4->pos(), QPoint(24, 132));
  for (QLabel* label : {window.Label1, window.Label2, window.Label4}) {
    EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
  }
  EXPECT_EQ(window.AsterRisk->text(), "日－土");
  const QString dayCaptions[] = {"日", "月", "火", "水", "木", "金", "土"};
  const QCheckBox* days[] = {window.SunDay, window.MonDay, window.TueDay, window.WedDay,
                             window.ThuDay, window.FriDay, window.SatDay};
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(days[i]->text(), dayCaptions[i]);
    EXPECT_FALSE(days[i]->isChecked());
    EXPECT_TRUE(days[i]->isEnabled());
  }
  EXPECT_EQ(window.Month->text(), "1");
  EXPECT_EQ(window.MonthDay->text(), "1");
  EXPECT_EQ(window.Hour->text(), "0");
  EXPECT_EQ(window.Minute->text(), "0");
  EXPECT_EQ(window.Command->currentText(), "");
  EXPECT_EQ(window.Command->count(), 0);
  EXPECT_EQ(window.Lines().LineCount(), 0);
  EXPECT_EQ(window.AddItem->toolTip(), "Add Line");
  EXPECT_EQ(window.GetItem->toolTip(), "Get Line");
  EXPECT_EQ(window.DeleteItem->toolTip(), "Delete Line");
  for (QToolButton* button : {window.AddItem, window.GetItem, window.DeleteItem}) {
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
    EXPECT_FALSE(button->icon().pixmap(16, 16, QIcon::Normal).isNull());
    EXPECT_FALSE(button->icon().pixmap(16, 16, QIcon::Disabled).isNull());
  }
}

TEST_F(WindowTest, OnlyTheListAndTheCommandBoxFollowTheWindowsSize) {
  const int menu = window.MainMenu1->height();
  struct Case {
    QSize asked, client;
  };
  const Case cases[] = {
      {{300, 150}, {424, 300}},         // below both minimums
      {{300, 400 + menu}, {424, 400}},  // narrowed but not shortened
      {{700, 500 + menu}, {700, 500}},
      {{424, 300 + menu}, {424, 300}},
  };
  for (const auto& c : cases) {
    window.resize(c.asked);
    QApplication::processEvents();
    EXPECT_EQ(window.Panel1->size(), c.client);
    EXPECT_EQ(window.CronLine->geometry(),
              QRect(20, 148, c.client.width() - 32, c.client.height() - 170));
    EXPECT_EQ(window.Command->geometry(), QRect(20, 96, c.client.width() - 32, 20));
    EXPECT_EQ(window.Month->geometry(), QRect(24, 36, 25, 20));
    EXPECT_EQ(window.AddItem->geometry(), QRect(184, 124, 20, 20));
  }
}

TEST_F(WindowTest, TabVisitsTheFormInOrderAndSkipsDisabledDayBoxes) {
  QApplication::setActiveWindow(&window);
  window.Month->setFocus();
  const auto visit = [&](int presses) {
    QStringList names{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < presses; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QWidget* focus = QApplication::focusWidget();
      // The command box's focus is on its line edit.
      if (focus->parentWidget() == window.Command) focus = window.Command;
      names << focus->objectName();
    }
    return names;
  };
  EXPECT_EQ(visit(15), QStringList({"Month", "MonthDay", "Hour", "Minute", "AsterRisk", "SunDay",
                                    "MonDay", "TueDay", "WedDay", "ThuDay", "FriDay", "SatDay",
                                    "Command", "CronLine", "Month"}));
  window.AsterRisk->setChecked(true);
  window.Month->setFocus();
  EXPECT_EQ(visit(7), QStringList({"Month", "MonthDay", "Hour", "Minute", "AsterRisk", "Command",
                                   "CronLine"}));
}

// Arrows and Up/Down keys step within the range and stop at either end;
// the box keeps whatever text is typed into it.
TEST_F(WindowTest, SpinnersStepWithinTheirRangeAndTheBoxesTakeAnyText) {
  struct Case {
    QLineEdit* box;
    TUpDown* spinner;
    int minimum, maximum;
  };
  const Case cases[] = {{window.Month, window.MonthUd, 1, 12},
                        {window.MonthDay, window.MonthDayUd, 1, 31},
                        {window.Hour, window.HourUd, 0, 23},
                        {window.Minute, window.MinuteUd, 0, 59}};
  for (const auto& c : cases) {
    c.box->setText(QString::number(c.maximum - 1));
    QTest::mouseClick(c.spinner->UpButton(), Qt::LeftButton);
    QTest::mouseClick(c.spinner->UpButton(), Qt::LeftButton);
    EXPECT_EQ(c.box->text(), QString::number(c.maximum));
    c.box->setText(QString::number(c.minimum + 1));
    QTest::keyClick(c.box, Qt::Key_Down);
    QTest::keyClick(c.box, Qt::Key_Down);
    EXPECT_EQ(c.box->text(), QString::number(c.minimum));

    c.box->clear();
    QTest::keyClicks(c.box, QStringLiteral("*/5x"));
    EXPECT_EQ(c.box->text(), "*/5x");
    // Not a number: the step starts from the spinner's last position.
    QTest::keyClick(c.box, Qt::Key_Up);
    EXPECT_EQ(c.box->text(), QString::number(c.minimum + 1));
  }
}

TEST_F(WindowTest, MenuHasTheDesignedItemsAndShortcutsWorkFromAnyControl) {
  const auto menus = window.MainMenu1->actions();
  ASSERT_EQ(menus.size(), 2);
  EXPECT_EQ(menus[0]->text(), "ﾌｧｲﾙ(&F)");
  EXPECT_EQ(menus[1]->text(), "ﾍﾙﾌﾟ(&H)");
  QStringList fileItems;
  for (QAction* action : window.File1->actions()) {
    fileItems << (action->isSeparator() ? QStringLiteral("-") : action->text());
  }
  EXPECT_EQ(fileItems, QStringList({"開く(&O)...", "上書き保存(&S)", "名前をつけて保存(&A)...", "-",
                                    "終了(&X)"}));
  EXPECT_EQ(window.Help1->actions().value(0)->text(), "ﾊﾞｰｼﾞｮﾝ情報(&A)...");
  EXPECT_EQ(window.Open1->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
  EXPECT_EQ(window.Save1->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));

  QApplication::setActiveWindow(&window);
  for (QWidget* control :
       {static_cast<QWidget*>(window.Minute), static_cast<QWidget*>(window.SatDay),
        static_cast<QWidget*>(window.CronLine)}) {
    control->setFocus();
    user.requests.clear();
    QTest::keyClick(control, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(control, Qt::Key_S, Qt::ControlModifier);  // no current file: asks for one
    ASSERT_EQ(user.requests.size(), 2U) << control->objectName().toStdString();
    EXPECT_FALSE(user.requests[0].Save);
    EXPECT_TRUE(user.requests[1].Save);
  }
}

TEST_F(WindowTest, ErrorBoxAddsAFullStopAndCarriesTheTitle) {
  const char* messages[] = {"ﾌｧｲﾙ x は開けません", "ends with.", ""};
  for (const char* message : messages) {
    ShowErrorBox(std::runtime_error(message));
    ASSERT_FALSE(user.messages.empty());
    EXPECT_EQ(user.messages.back().text, QString::fromUtf8(message) + ".");
    EXPECT_EQ(user.messages.back().caption, "Vantrel");
    EXPECT_EQ(user.messages.back().icon, TMessageIcon::Critical);
  }
}

}  // namespace
}  // namespace vantrel
