#include "document/filecommands.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include "document/listbox.h"

#include "document/cronlinelist.h"
#include "document/errors.h"
#include "document/filedialogs.h"
#include "tests/support/fake_prompts.h"
#include "tests/support/file_bytes.h"

namespace vantrel {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

class FileCommandsTest : public ::testing::Test {
 protected:
  FileCommandsTest() { saveDialog.DefaultExt = QStringLiteral("crn"); }
  QString Path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

  testing::TFakePrompts user;
  QTemporaryDir dir;
  TListBox view;
  TCronLineList list{view};
  TOpenDialog openDialog;
  TSaveDialog saveDialog;
};

TEST_F(FileCommandsTest, OpenLoadsTheConfirmedFileAndMakesItCurrent) {
  WriteBytes(Path("a.crn"), "a\n");
  user.AnswerFile(Path("a.crn"), 2);
  OpenCommand(openDialog, list);
  EXPECT_EQ(openDialog.FileName, Path("a.crn"));
  EXPECT_EQ(openDialog.FilterIndex, 2);
  EXPECT_EQ(list.LineAt(0), "a");

  // The next Open starts from the current name and the filter chosen last.
  user.AnswerFile(std::nullopt);
  OpenCommand(openDialog, list);
  ASSERT_EQ(user.requests.size(), 2U);
  EXPECT_FALSE(user.requests[1].Save);
  EXPECT_EQ(user.requests[1].FileName, Path("a.crn"));
  EXPECT_EQ(user.requests[1].FilterIndex, 2);
  EXPECT_EQ(user.requests[1].Filter, "Crontab files (*.crn);;Text files (*.txt);;All files (*)");
  // Cancelled: nothing changed.
  EXPECT_EQ(openDialog.FileName, Path("a.crn"));
  EXPECT_EQ(list.LineCount(), 1);
}

// A name that does not exist fails to load but still becomes current, so the
// following Save creates it with the list.
TEST_F(FileCommandsTest, OpenOfAMissingFileFailsButTheNameStaysForSave) {
  list.SetFileText("kept\n");
  user.AnswerFile(Path("new.crn"));
  EXPECT_THROW(OpenCommand(openDialog, list), EFOpenError);
  EXPECT_EQ(openDialog.FileName, Path("new.crn"));
  EXPECT_EQ(list.LineAt(0), "kept");

  SaveCommand(openDialog, saveDialog, list);
  EXPECT_TRUE(user.requests.size() == 1U) << "Save asked for a name it had";
  EXPECT_EQ(ReadBytes(Path("new.crn")), "kept\n");
}

TEST_F(FileCommandsTest, SaveAsServesOneSaveAndNeverChangesTheCurrentName) {
  list.SetFileText("line\n");
  user.AnswerFile(Path("chosen"), 3);
  SaveCommand(openDialog, saveDialog, list);  // no current name: Save As
  ASSERT_EQ(user.requests.size(), 1U);
  EXPECT_TRUE(user.requests[0].Save);
  EXPECT_EQ(user.requests[0].FileName, QString());
  EXPECT_EQ(user.requests[0].DefaultExt, "crn");
  // A name typed without an extension gets the default one.
  EXPECT_EQ(ReadBytes(Path("chosen.crn")), "line\n");
  EXPECT_EQ(openDialog.FileName, QString());
  EXPECT_EQ(saveDialog.FilterIndex, 3);
  EXPECT_EQ(openDialog.FilterIndex, 1);

  // Save asks again, from the empty current name.
  user.AnswerFile(std::nullopt);
  SaveCommand(openDialog, saveDialog, list);
  ASSERT_EQ(user.requests.size(), 2U);
  EXPECT_EQ(user.requests[1].FileName, QString());
  EXPECT_EQ(user.requests[1].FilterIndex, 3);
}

TEST_F(FileCommandsTest, SaveAsStartsFromTheCurrentNameAndReplacesWithoutAsking) {
  WriteBytes(Path("current.crn"), "current\n");
  WriteBytes(Path("other.txt"), "other\n");
  user.AnswerFile(Path("current.crn"));
  OpenCommand(openDialog, list);

  user.AnswerFile(Path("other.txt"));
  SaveAsCommand(openDialog, saveDialog, list);
  EXPECT_EQ(user.requests.back().FileName, Path("current.crn"));
  EXPECT_EQ(ReadBytes(Path("other.txt")), "current\n");

  // Save goes to the current name, not to the one chosen in Save As.
  list.AppendLine("added");
  SaveCommand(openDialog, saveDialog, list);
  EXPECT_EQ(ReadBytes(Path("current.crn")), "current\nadded\n");
  EXPECT_EQ(ReadBytes(Path("other.txt")), "current\n");
}

TEST_F(FileCommandsTest, CancelledSaveAsWritesNothing) {
  list.SetFileText("line\n");
  user.AnswerFile(std::nullopt);
  SaveAsCommand(openDialog, saveDialog, list);
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

}  // namespace
}  // namespace vantrel
