// Saving under injected faults: whatever fails, the old file stays byte for
// byte as it was, no temporary file is left behind, the list is unchanged,
// and the user gets the right message. Most faults need root; without it the
// tests skip and say why.
#include <sys/resource.h>
#include <csignal>

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include "document/listbox.h"

#include "document/cronlinelist.h"
#include "document/errors.h"
#include "tests/support/faults.h"
#include "tests/support/file_bytes.h"

namespace vantrel {
namespace {

using namespace vantrel::testing;

constexpr const char* kOldText = "0 1 * * * the old file\n";

class SaveFaultTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = dir.filePath("folder");
    ASSERT_TRUE(QDir().mkpath(folder));
    file = folder + "/jobs.crn";
    // Larger than any of the small disks and limits below.
    list.SetFileText(std::string(std::size_t{200} * 1024, 'x') + "\nsecond\n");
  }
  void WriteOldFile() { WriteBytes(file, kOldText); }

  // The save fails with `message`, and nothing on disk or in the list changed.
  template <typename Error>
  void ExpectRefused(const std::string& message) {
    try {
      list.SaveCronFile(file);
      ADD_FAILURE() << "the save succeeded";
    } catch (const Error& e) {
      EXPECT_EQ(e.what(), message);
    } catch (const std::exception& e) {
      ADD_FAILURE() << "wrong failure: " << e.what();
    }
    ExpectNothingChanged();
  }
  void ExpectNothingChanged() {
    EXPECT_EQ(ReadBytes(file), kOldText);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList{"jobs.crn"});
    EXPECT_EQ(list.LineCount(), 2);
    EXPECT_EQ(list.LineAt(1), "second");
  }
  // For a child process: 0 when the save fails with `Error`, else 1 or 2.
  template <typename Error>
  int SaveFailsWith() {
    try {
      list.SaveCronFile(file);
      return 1;
    } catch (const Error&) {
      return 0;
    } catch (...) {
      return 2;
    }
  }
  std::string CreateMessage() const { return "ﾌｧｲﾙ " + file.toStdString() + " を作成できません"; }

  QTemporaryDir dir;
  QString folder, file;
  TListBox view;
  TCronLineList list{view};
};

TEST_F(SaveFaultTest, FullDisk) {
  if (!IsRoot()) GTEST_SKIP() << "mounting a tmpfs needs root";
  TTmpfsMount disk(folder, "size=64k");
  if (!disk.Mounted()) GTEST_SKIP() << "cannot mount tmpfs here";
  WriteOldFile();
  ExpectRefused<EWriteError>("ｽﾄﾘｰﾑへの書き込みｴﾗｰ");
}

TEST_F(SaveFaultTest, ReadOnlyMount) {
  if (!IsRoot()) GTEST_SKIP() << "mounting a tmpfs needs root";
  TTmpfsMount disk(folder, "size=1m");
  if (!disk.Mounted()) GTEST_SKIP() << "cannot mount tmpfs here";
  WriteOldFile();
  ASSERT_TRUE(disk.RemountReadOnly());
  ExpectRefused<EFCreateError>(CreateMessage());
}

TEST_F(SaveFaultTest, ImmutableFile) {
  WriteOldFile();
  TImmutable immutable(file);
  if (!immutable.Set()) GTEST_SKIP() << "chattr +i needs root and a file system that has it";
  ExpectRefused<EFCreateError>(CreateMessage());
}

TEST_F(SaveFaultTest, ImmutableFolder) {
  WriteOldFile();
  TImmutable immutable(folder);
  if (!immutable.Set()) GTEST_SKIP() << "chattr +i needs root and a file system that has it";
  ExpectRefused<EFCreateError>(CreateMessage());
}

// The write runs into RLIMIT_FSIZE in a child that ignores SIGXFSZ, so the
// write itself fails (EFBIG) instead of the process being killed.
TEST_F(SaveFaultTest, FileSizeLimit) {
  WriteOldFile();
  const int rc = InChild(
      [] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
      },
      [&] { return SaveFailsWith<EWriteError>(); });
  EXPECT_EQ(rc, 0);
  ExpectNothingChanged();
}

TEST_F(SaveFaultTest, NoWritePermission) {
  WriteOldFile();
  ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
  ::chmod(QFile::encodeName(folder).constData(), 0755);
  ::chmod(QFile::encodeName(file).constData(), 0644);
  if (!IsRoot() && ::access(QFile::encodeName(file).constData(), W_OK) == 0) {
    ::chmod(QFile::encodeName(file).constData(), 0444);
  }
  const int rc = AsOrdinaryUser([&] { return SaveFailsWith<EFCreateError>(); });
  EXPECT_EQ(rc, 0);
  ExpectNothingChanged();
}

}  // namespace
}  // namespace vantrel
