#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUrl>

#include "tests/support/file_bytes.h"
#include "tests/ui/window_fixture.h"

namespace vantrel {
namespace {

using testing::ReadBytes;
using testing::WindowTest;
using testing::WriteBytes;
using Lines = std::vector<std::string>;

class CommandsTest : public WindowTest {
 protected:
  void Fill(const QString& minute, const QString& hour, const QString& monthDay,
            const QString& month, const QString& command) {
    window.Minute->setText(minute);
    window.Hour->setText(hour);
    window.MonthDay->setText(monthDay);
    window.Month->setText(month);
    window.Command->setEditText(command);
  }
  void Tick(std::initializer_list<QCheckBox*> boxes) {
    for (QCheckBox* box : boxes) QTest::mouseClick(box, Qt::LeftButton, {}, {5, 8});
  }
  std::vector<bool> DayMarks() const {
    std::vector<bool> marks;
    for (QCheckBox* box : {window.SunDay, window.MonDay, window.TueDay, window.WedDay,
                           window.ThuDay, window.FriDay, window.SatDay}) {
      marks.push_back(box->isChecked());
    }
    return marks;
  }
  bool DayBoxesEnabled() const { return window.SunDay->isEnabled() && window.SatDay->isEnabled(); }
  void AddLine() { QTest::mouseClick(window.AddItem, Qt::LeftButton); }
  void GetLine() { QTest::mouseClick(window.GetItem, Qt::LeftButton); }
  void DeleteLine() { QTest::mouseClick(window.DeleteItem, Qt::LeftButton); }
  void DoubleClickRow(int row) {
    const QRect rect = window.CronLine->visualRect(window.CronLine->model()->index(row, 0));
    QTest::mouseClick(window.CronLine->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(window.CronLine->viewport(), Qt::LeftButton, {}, rect.center());
  }
  QString LastUserError() const {
    if (user.messages.empty()) return QStringLiteral("<none>");
    const auto& message = user.messages.back();
    return message.caption == "Error" && message.icon == TMessageIcon::None
               ? message.text
               : QStringLiteral("<not an Error box>");
  }

  QTemporaryDir dir;
};

TEST_F(CommandsTest, AddLineComposesTheFormIntoALineAndAppends) {
  Fill("30", "6", "1", "1", "backup -v /home");
  Tick({window.MonDay, window.TueDay, window.WedDay, window.ThuDay, window.FriDay});
  AddLine();
  Fill("*/5", "1,15", "*", "2", "date +%d");
  Tick({window.AsterRisk});  // every day, whatever the day boxes say
  AddLine();
  EXPECT_EQ(AllLines(), (Lines{"30 6 1 1 1-5 backup -v /home", "*/5 1,15 * 2 * date +%d"}));
  EXPECT_TRUE(user.messages.empty());
  EXPECT_EQ(window.Lines().SelectedIndex(), -1);
}

TEST_F(CommandsTest, AddLineRefusesBadInputAndChangesNothing) {
  window.Lines().SetFileText("kept\n");
  Select(0);
  AddLine();  // right after start: no command and no day
  EXPECT_EQ(LastUserError(), "コマンドが指定されていません");
  window.Command->setEditText(QStringLiteral("ls"));
  AddLine();
  EXPECT_EQ(LastUserError(), "曜日が指定されていません");
  EXPECT_EQ(user.messages.size(), 2U);

  // A line over 4096 bytes is a failure of the command: the error box shows it.
  Tick({window.AsterRisk});
  window.Command->setEditText(QString(4096, QLatin1Char('x')));
  AddLine();
  ASSERT_EQ(user.messages.size(), 3U);
  EXPECT_EQ(user.messages.back().text, "結果が 4096 文字以上あります.");
  EXPECT_EQ(user.messages.back().caption, "Vantrel");
  EXPECT_EQ(user.messages.back().icon, TMessageIcon::Critical);

  EXPECT_EQ(AllLines(), Lines{"kept"});
  EXPECT_EQ(window.Lines().SelectedIndex(), 0);
  EXPECT_EQ(window.Command->currentText().size(), 4096);
}

TEST_F(CommandsTest, AddLineWithALineSelectedReplacesItThenAppends) {
  window.Lines().SetFileText("a\nb\nc\n");
  Fill("0", "12", "1", "1", "new");
  Tick({window.AsterRisk});
  Select(1);
  AddLine();
  EXPECT_EQ(AllLines(), (Lines{"a", "0 12 1 1 * new", "c"}));
  EXPECT_EQ(window.Lines().SelectedIndex(), -1);
  AddLine();
  EXPECT_EQ(AllLines(), (Lines{"a", "0 12 1 1 * new", "c", "0 12 1 1 * new"}));
}

// Get Line and Add Line without an edit rebuild the line from its fields.
TEST_F(CommandsTest, GetLineThenAddLineRebuildsTheLine) {
  struct Case {
    std::string line, rebuilt;
  };
  const Case cases[] = {
      {"0  12 1 1 1,2,3 1 day  ", "0 12 1 1 1-3 1 day  "},
      {"5 4 3 2 */2 run", "5 4 3 2 * run"},
      {"\t*/5 * * * 0,6 日本語 コマンド", "*/5 * * * 0,6 日本語 コマンド"},
  };
  for (const auto& c : cases) {
    window.Lines().SetFileText(c.line + "\n");
    Select(0);
    GetLine();
    AddLine();
    EXPECT_EQ(AllLines(), Lines{c.rebuilt}) << c.line;
  }

  window.Lines().SetFileText("1 2 3 4 7 no day\n");
  Select(0);
  GetLine();
  AddLine();
  EXPECT_EQ(LastUserError(), "曜日が指定されていません");
  EXPECT_EQ(AllLines(), Lines{"1 2 3 4 7 no day"});
}

TEST_F(CommandsTest, GetLineFillsTheFormAndKeepsDayMarksUnderTheEveryDayBox) {
  window.Lines().SetFileText("30 6 15 7 * echo hi\n1 2 3 4 1-5 work\n");
  Tick({window.SunDay, window.SatDay});

  DoubleClickRow(0);
  EXPECT_EQ(window.Minute->text(), "30");
  EXPECT_EQ(window.Hour->text(), "6");
  EXPECT_EQ(window.MonthDay->text(), "15");
  EXPECT_EQ(window.Month->text(), "7");
  EXPECT_EQ(window.Command->currentText(), "echo hi");
  EXPECT_TRUE(window.AsterRisk->isChecked());
  EXPECT_FALSE(DayBoxesEnabled());
  EXPECT_EQ(DayMarks(), (std::vector<bool>{true, false, false, false, false, false, true}));
  EXPECT_EQ(window.Lines().SelectedIndex(), 0);  // the line stays selected

  Select(1);
  GetLine();
  EXPECT_FALSE(window.AsterRisk->isChecked());
  EXPECT_TRUE(DayBoxesEnabled());
  EXPECT_EQ(DayMarks(), (std::vector<bool>{false, true, true, true, true, true, false}));
}

TEST_F(CommandsTest, GetLineWithoutASelectionSaysSoAndChangesNothing) {
  window.Lines().SetFileText("1 2 3 4 5 x\n");
  GetLine();
  EXPECT_EQ(LastUserError(), "選択されていません");
  // A double-click below the last line is a Get Line too.
  QTest::mouseDClick(window.CronLine->viewport(), Qt::LeftButton, {}, {50, 100});
  EXPECT_EQ(user.messages.size(), 2U);
  EXPECT_EQ(LastUserError(), "選択されていません");
  EXPECT_EQ(window.Minute->text(), "0");
  EXPECT_EQ(window.Command->currentText(), "");

  // With a line selected, it takes that line.
  Select(0);
  QTest::mouseDClick(window.CronLine->viewport(), Qt::LeftButton, {}, {50, 100});
  EXPECT_EQ(window.Command->currentText(), "x");
}

// A line with invalid UTF-8 (Shift-JIS from an old file) shows replacement
// characters but is saved byte for byte unless the user replaces it.
TEST_F(CommandsTest, LinesThatAreNotUtf8SurviveUntilReplaced) {
  const std::string sjis = "0 0 1 1 * echo \x82\xa0\x82\xa2";
  window.Lines().SetFileText(sjis + "\nsecond\n");
  Select(0);
  GetLine();
  EXPECT_TRUE(window.Command->currentText().contains(QChar(0xFFFD)));
  Select(1);
  DeleteLine();
  EXPECT_EQ(AllLines(), Lines{sjis});
}

TEST_F(CommandsTest, DeleteLineRemovesTheSelectedLineOnly) {
  window.Lines().SetFileText("a\nb\nc\n");
  DeleteLine();  // nothing selected: nothing happens, nothing is shown
  Select(1);
  DeleteLine();
  DeleteLine();  // the deletion left no selection
  EXPECT_EQ(AllLines(), (Lines{"a", "c"}));
  EXPECT_TRUE(user.messages.empty());
}

TEST_F(CommandsTest, EveryDayBoxDisablesTheDayBoxesOnEveryChange) {
  Tick({window.MonDay});
  Tick({window.AsterRisk});
  EXPECT_FALSE(DayBoxesEnabled());
  EXPECT_TRUE(window.MonDay->isChecked());
  window.AsterRisk->setChecked(false);  // by code as well as by the user
  EXPECT_TRUE(DayBoxesEnabled());
  QTest::keyClick(window.AsterRisk, Qt::Key_Space);
  EXPECT_FALSE(DayBoxesEnabled());
}

TEST_F(CommandsTest, DroppedFilesLoadTheFirstOneOnly) {
  WriteBytes(dir.filePath("one.crn"), "one\n");
  WriteBytes(dir.filePath("two.crn"), "two\n");
  EXPECT_TRUE(window.acceptDrops());
  const auto drop = [&](const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    // As a drag from a file manager arrives: it enters the window, then drops.
    QDragEnterEvent enter(QPoint(100, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QDropEvent drop(QPointF(100, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    return enter.isAccepted();
  };
  // Data that holds no local file is not taken.
  QMimeData text;
  text.setText(QStringLiteral("0 0 * * * not a file"));
  QDragEnterEvent enterWithText(QPoint(100, 200), Qt::CopyAction, &text, Qt::LeftButton,
                                Qt::NoModifier);
  QApplication::sendEvent(&window, &enterWithText);
  EXPECT_FALSE(enterWithText.isAccepted());

  EXPECT_TRUE(drop({QUrl::fromLocalFile(dir.filePath("one.crn")),
                    QUrl::fromLocalFile(dir.filePath("two.crn")),
                    QUrl::fromLocalFile(dir.filePath("three.crn"))}));
  EXPECT_EQ(AllLines(), Lines{"one"});

  // A dropped file that cannot be opened: the error, and the lines stay.
  drop({QUrl::fromLocalFile(dir.filePath("missing.crn"))});
  EXPECT_EQ(AllLines(), Lines{"one"});
  ASSERT_EQ(user.messages.size(), 1U);
  EXPECT_EQ(user.messages[0].text, "ﾌｧｲﾙ " + dir.filePath("missing.crn") + " は開けません.");

  // Loading a dropped file does not make it the current file.
  user.AnswerFile(std::nullopt);
  QTest::keyClick(window.CronLine, Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(user.requests.size(), 1U);
  EXPECT_TRUE(user.requests[0].Save);
}

TEST_F(CommandsTest, OpenSaveAndSaveAsThroughTheMenu) {
  WriteBytes(dir.filePath("jobs.crn"), "0 1 * * * old\r\n");
  user.AnswerFile(dir.filePath("jobs.crn"));
  window.Open1->trigger();
  EXPECT_EQ(AllLines(), Lines{"0 1 * * * old"});

  Fill("15", "3", "1", "1", "added");
  Tick({window.AsterRisk});
  AddLine();
  window.Save1->trigger();
  EXPECT_EQ(ReadBytes(dir.filePath("jobs.crn")), "0 1 * * * old\n15 3 1 1 * added\n");

  user.AnswerFile(dir.filePath("copy"));
  window.SaveAs1->trigger();
  EXPECT_EQ(ReadBytes(dir.filePath("copy.crn")), "0 1 * * * old\n15 3 1 1 * added\n");
  EXPECT_EQ(window.OpenDialog1.FileName, dir.filePath("jobs.crn"));

  // A save that cannot create its file is reported and the program goes on.
  user.AnswerFile(dir.filePath("no/such/folder/x.crn"));
  window.SaveAs1->trigger();
  ASSERT_FALSE(user.messages.empty());
  EXPECT_EQ(user.messages.back().text,
            "ﾌｧｲﾙ " + dir.filePath("no/such/folder/x.crn") + " を作成できません.");
  EXPECT_EQ(AllLines().size(), 2U);
}

TEST_F(CommandsTest, ExitClosesAtOnceWithUnsavedLines) {
  window.Lines().AppendLine("unsaved");
  window.Exit1->trigger();
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(user.messages.empty());
}

class StartWithFileTest : public WindowTest {
 protected:
  static QString MakeFile() {
    static QTemporaryDir folder;
    WriteBytes(folder.filePath("start.crn"), "0 5 * * 1-5 start\n");
    return folder.filePath("start.crn");
  }
  StartWithFileTest() : WindowTest({"vantrel", MakeFile(), "ignored"}) {}
};

TEST_F(StartWithFileTest, TheFirstArgumentIsLoadedAtStartButIsNotTheCurrentFile) {
  EXPECT_EQ(AllLines(), Lines{"0 5 * * 1-5 start"});
  EXPECT_TRUE(window.OpenDialog1.FileName.isEmpty());
  EXPECT_TRUE(user.messages.empty());
}

class StartWithMissingFileTest : public WindowTest {
 protected:
  StartWithMissingFileTest() : WindowTest({"vantrel", "/nonexistent/jobs.crn"}) {}
};

TEST_F(StartWithMissingFileTest, TheErrorIsShownAndTheWindowOpensEmpty) {
  ASSERT_EQ(user.messages.size(), 1U);
  EXPECT_EQ(user.messages[0].text, "ﾌｧｲﾙ /nonexistent/jobs.crn は開けません.");
  EXPECT_EQ(user.messages[0].caption, "Vantrel");
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.Lines().LineCount(), 0);
  EXPECT_TRUE(window.acceptDrops());
}

}  // namespace
}  // namespace vantrel
