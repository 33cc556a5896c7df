#include "ui/aboutbox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>

#include "ui/program.h"
#include "ui/vantrelwin.h"

namespace vantrel {
namespace {

// Runs `whileOpen` once the box's modal loop is running, then shows the box.
int ExecuteWhile(TAboutBox& box, const std::function<void()>& whileOpen) {
  QTimer::singleShot(0, &box, [&box, whileOpen] {
    EXPECT_TRUE(box.isVisible());
    whileOpen();
    if (box.isVisible()) box.OKButton->click();  // never leave the test hanging
  });
  return box.Execute();
}

TEST(AboutBox, ShowsItsTextsAndClosesWithOkOrEnterButNotEscape) {
  TAboutBox box;
  EXPECT_EQ(box.windowTitle(), "ﾊﾞｰｼﾞｮﾝ情報");
  EXPECT_EQ(box.size(), QSize(298, 213));
  EXPECT_EQ(box.ProductName->text(), "vantrel");
  EXPECT_EQ(box.Version->text(), "Version 0.02");
  // Left-aligned labels size themselves to their text: nothing is clipped.
  for (QLabel* label : {box.ProductName, box.Version}) {
    EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
  }
  EXPECT_EQ(box.Version->pos(), QPoint(128, 40));
  EXPECT_EQ(box.Comments->text(), "for Win95 only");
  EXPECT_EQ(box.OKButton->geometry(), QRect(111, 180, 75, 25));
  EXPECT_EQ(box.Panel1->geometry(), QRect(8, 8, 281, 161));
  EXPECT_FALSE(box.ProgramIcon->pixmap().isNull());
  EXPECT_FALSE(box.isVisible());

  bool stayedOpenAfterEscape = false;
  const int byEnter = ExecuteWhile(box, [&] {
    EXPECT_EQ(box.focusWidget(), box.OKButton);
    QTest::keyClick(&box, Qt::Key_Escape);
    stayedOpenAfterEscape = box.isVisible();
    QTest::keyClick(box.OKButton, Qt::Key_Return);
  });
  EXPECT_TRUE(stayedOpenAfterEscape);
  EXPECT_EQ(byEnter, QDialog::Accepted);
  EXPECT_FALSE(box.isVisible());

  const int byCloseBox = ExecuteWhile(box, [&] { box.close(); });
  EXPECT_EQ(byCloseBox, QDialog::Rejected);
  EXPECT_FALSE(box.isVisible());
}

TEST(AboutBox, IsCentredTheFirstTimeAndReopensWhereItWasLeft) {
  TAboutBox box;
  QPoint firstPlace;
  ExecuteWhile(box, [&] {
    firstPlace = box.frameGeometry().topLeft();
    box.move(10, 20);
  });
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(firstPlace, QPoint((screen.width() - box.frameGeometry().width()) / 2,
                               (screen.height() - box.frameGeometry().height()) / 2));
  QPoint secondPlace;
  ExecuteWhile(box, [&] { secondPlace = box.pos(); });
  EXPECT_EQ(secondPlace, QPoint(10, 20));
}

TEST(AboutBox, HelpMenuShowsTheProgramsOneBox) {
  TVantrelWin window;
  TAboutBox box;
  AboutBox = &box;
  bool shown = false;
  QTimer::singleShot(0, &box, [&] {
    shown = box.isVisible() && box.isModal();
    box.OKButton->click();
  });
  window.About1->trigger();
  AboutBox = nullptr;
  EXPECT_TRUE(shown);
}

TEST(ProgramStart, RecognisesTheRegistrationSwitchesInAnyCase) {
  for (const char* yes : {"/REGSERVER", "-regserver", "/UnRegServer", "-UNREGSERVER"}) {
    EXPECT_TRUE(IsRegistrationSwitch(yes)) << yes;
  }
  for (const char* no :
       {"REGSERVER", "/REGSERVERX", "--regserver", "/", "", "+regserver", "/unreg"}) {
    EXPECT_FALSE(IsRegistrationSwitch(no)) << no;
  }
}

}  // namespace
}  // namespace vantrel
