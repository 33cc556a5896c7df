#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>
#include "document/listbox.h"

#include "document/cronlinelist.h"
#include "document/errors.h"
#include "tests/support/faults.h"
#include "tests/support/file_bytes.h"

namespace vantrel {
namespace {

using testing::AsOrdinaryUser;
using testing::ReadBytes;
using testing::WriteBytes;
using Lines = std::vector<std::string>;

class CronFileTest : public ::testing::Test {
 protected:
  QString Path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
  Lines All() const {
    Lines lines;
    for (int i = 0; i < list.LineCount(); ++i) lines.push_back(list.LineAt(i));
    return lines;
  }
  QTemporaryDir dir;
  TListBox view;
  TCronLineList list{view};
};

// Holds an exclusive lock on a file, as another instance of the program would.
class OtherProgramLock {
 public:
  explicit OtherProgramLock(const QString& path)
      : fd_(::open(QFile::encodeName(path).constData(), O_RDONLY)) {
    if (fd_ < 0 || ::flock(fd_, LOCK_EX) != 0) throw std::runtime_error("test lock");
  }
  ~OtherProgramLock() { ::close(fd_); }

 private:
  int fd_;
};

TEST_F(CronFileTest, SavedFileIsTheLinesEachFollowedByLfAndLoadsBackTheSame) {
  const std::string longLine(100000, 'x');
  const std::string original = "0 * * * * a\r\n\x82\xa0 sjis\r\r\nno end " + longLine;
  WriteBytes(Path("in.crn"), original);

  list.LoadCronFile(Path("in.crn"));
  const Lines loaded = All();
  EXPECT_EQ(loaded, (Lines{"0 * * * * a", "\x82\xa0 sjis", "", "no end " + longLine}));

  list.SaveCronFile(Path("out.crn"));
  EXPECT_EQ(ReadBytes(Path("out.crn")), "0 * * * * a\n\x82\xa0 sjis\n\nno end " + longLine + "\n");

  list.ClearLines();
  list.LoadCronFile(Path("out.crn"));
  EXPECT_EQ(All(), loaded);
}

TEST_F(CronFileTest, EmptyListSavesAnEmptyFileOverAnOldOne) {
  WriteBytes(Path("old.crn"), "old contents\n");
  list.SaveCronFile(Path("old.crn"));
  EXPECT_EQ(ReadBytes(Path("old.crn")), "");
  list.LoadCronFile(Path("old.crn"));
  EXPECT_EQ(list.LineCount(), 0);
}

TEST_F(CronFileTest, LoadFailuresNameTheFileAndLeaveTheListAlone) {
  ASSERT_EQ(::mkfifo(QFile::encodeName(Path("fifo")).constData(), 0600), 0);
  QDir(dir.path()).mkdir(QStringLiteral("folder"));
  WriteBytes(Path("locked.crn"), "x\n");
  OtherProgramLock lock(Path("locked.crn"));

  const QString names[] = {Path("missing.crn"),         Path("folder"),     Path("fifo"),
                           QStringLiteral("/dev/zero"), Path("locked.crn"), QString()};
  for (const QString& name : names) {
    list.SetFileText("kept\n");
    view.SelectRow(0);
    try {
      list.LoadCronFile(name);
      ADD_FAILURE() << name.toStdString();
    } catch (const EFOpenError& e) {
      EXPECT_EQ(e.what(), "ﾌｧｲﾙ " + name.toStdString() + " は開けません");
    }
    EXPECT_EQ(All(), Lines{"kept"});
    EXPECT_EQ(list.SelectedIndex(), 0);
  }
}

TEST_F(CronFileTest, CreateFailuresNameTheFileAndLeaveItUntouched) {
  QDir(dir.path()).mkdir(QStringLiteral("folder"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(Path("fifo")).constData(), 0600), 0);
  WriteBytes(Path("locked.crn"), "old\n");
  OtherProgramLock lock(Path("locked.crn"));
  list.SetFileText("new\n");

  const QString names[] = {Path("no/such/folder.crn"), Path("folder"), Path("fifo"),
                           Path("locked.crn"), QString()};
  for (const QString& name : names) {
    try {
      list.SaveCronFile(name);
      ADD_FAILURE() << name.toStdString();
    } catch (const EFCreateError& e) {
      EXPECT_EQ(e.what(), "ﾌｧｲﾙ " + name.toStdString() + " を作成できません");
    }
  }
  EXPECT_EQ(ReadBytes(Path("locked.crn")), "old\n");
  EXPECT_EQ(All(), Lines{"new"});
}

TEST_F(CronFileTest, ReadOnlyFileLoadsButCannotBeSavedOver) {
  WriteBytes(Path("ro.crn"), "old\n");
  ::chmod(QFile::encodeName(Path("ro.crn")).constData(), 0444);
  ::chmod(QFile::encodeName(dir.path()).constData(), 0777);
  QDir(dir.path()).mkdir(QStringLiteral("closed"));
  ::chmod(QFile::encodeName(Path("closed")).constData(), 0555);

  const int rc = AsOrdinaryUser([&] {
    try {
      list.LoadCronFile(Path("ro.crn"));
      if (All() != Lines{"old"}) return 1;
    } catch (...) {
      return 2;
    }
    for (const QString& name : {Path("ro.crn"), Path("closed/new.crn")}) {
      try {
        list.SaveCronFile(name);
        return 3;
      } catch (const EFCreateError&) {
      }
    }
    return 0;
  });
  EXPECT_EQ(rc, 0);
  EXPECT_EQ(ReadBytes(Path("ro.crn")), "old\n");
  EXPECT_FALSE(QFile::exists(Path("closed/new.crn")));
}

TEST_F(CronFileTest, SavingKeepsPermissionsOwnerAndSymbolicLinks) {
  const QByteArray target = QFile::encodeName(Path("target.crn"));
  WriteBytes(Path("target.crn"), "old\n");
  ::chmod(target.constData(), 0640);
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::chown(target.constData(), 65534, 65534), 0);
  }
  ASSERT_TRUE(QFile::link(Path("target.crn"), Path("link.crn")));

  list.SetFileText("new\n");
  list.SaveCronFile(Path("link.crn"));

  EXPECT_TRUE(QFileInfo(Path("link.crn")).isSymLink());
  EXPECT_EQ(ReadBytes(Path("target.crn")), "new\n");
  struct stat st {};
  ASSERT_EQ(::stat(target.constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640U);
  if (root) {
    EXPECT_EQ(st.st_uid, 65534U);
  }
}

}  // namespace
}  // namespace vantrel
