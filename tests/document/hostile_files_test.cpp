// Loading files nobody would call crontabs: each gives the right lines or a
// clear message, never a hang or a crash, and what loads saves back byte for
// byte (apart from line ends, which become LF).
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <random>
#include "document/listbox.h"

#include "document/cronfile.h"
#include "document/cronlinelist.h"
#include "document/errors.h"
#include "tests/support/file_bytes.h"

namespace vantrel {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

class HostileFileTest : public ::testing::Test {
 protected:
  QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
  void TearDown() override { SetBeforeReadHookForTesting({}); }

  QTemporaryDir dir;
  TListBox view;
  TCronLineList list{view};
};

// Random bytes, NULs included: the lines are what comes before the first NUL,
// split at CR and LF, and they save back exactly.
TEST_F(HostileFileTest, BinaryFileLoadsUpToItsFirstNul) {
  std::mt19937 random(12345);
  std::string bytes(1 << 16, '\0');
  for (char& c : bytes) c = static_cast<char>(random() % 255 + 1);  // no NUL yet
  bytes[40000] = '\0';
  WriteBytes(Path("binary"), bytes);

  list.LoadCronFile(Path("binary"));
  // CR LF, CR alone and LF alone each end a line, and a saved line ends in LF.
  std::string folded;
  for (std::size_t i = 0; i < 40000; ++i) {
    if (bytes[i] == '\r' && i + 1 < 40000 && bytes[i + 1] == '\n') continue;
    folded += bytes[i] == '\r' ? '\n' : bytes[i];
  }
  if (!folded.empty() && folded.back() != '\n') folded += '\n';
  list.SaveCronFile(Path("saved"));
  EXPECT_EQ(ReadBytes(Path("saved")), folded);
}

TEST_F(HostileFileTest, ShiftJisAndInvalidUtf8AreKeptByteForByte) {
  const std::string bytes =
      "0 0 * * * echo \x82\xb1\x82\xf1\x82\xc9\x82\xbf\x82\xcd\n"       // Shift-JIS
      "\xc3\x28 \xa0\xa1 \xe2\x28\xa1 \xf0\x28\x8c\xbc \xff\xfe\xfd\n"  // broken UTF-8
      "\xef\xbb\xbf"
      "bom line\n";
  WriteBytes(Path("sjis.crn"), bytes);
  list.LoadCronFile(Path("sjis.crn"));
  EXPECT_EQ(list.LineCount(), 3);
  list.SaveCronFile(Path("sjis.crn"));
  EXPECT_EQ(ReadBytes(Path("sjis.crn")), bytes);
}

TEST_F(HostileFileTest, OneLineOf100MegabytesLoadsAndSavesWhole) {
  const std::string line(std::size_t{100} * 1024 * 1024, 'z');
  WriteBytes(Path("huge"), line);
  list.LoadCronFile(Path("huge"));
  ASSERT_EQ(list.LineCount(), 1);
  EXPECT_EQ(list.LineAt(0).size(), line.size());
  view.resize(400, 200);
  view.show();  // painting shows only the line's beginning
  view.grab();
  list.SaveCronFile(Path("huge"));
  EXPECT_EQ(QFileInfo(Path("huge")).size(), static_cast<qint64>(line.size() + 1));
}

// Each kind of line end, a million times: CR alone is the case where a
// search for the next LF would rescan the rest of the file on every line.
TEST_F(HostileFileTest, AMillionLinesLoad) {
  for (const char* end : {"\r\n", "\r", "\n"}) {
    std::string bytes;
    for (int i = 0; i < 1000000; ++i) bytes += std::to_string(i % 60) + " * * * * job" + end;
    WriteBytes(Path("million"), bytes);
    list.LoadCronFile(Path("million"));
    ASSERT_EQ(list.LineCount(), 1000000);
    EXPECT_EQ(list.LineAt(999999), "39 * * * * job");
  }
}

// The file loses its end between the size check and the read: the load fails
// with a message and the list keeps its lines.
TEST_F(HostileFileTest, FileThatShrinksUnderTheReadFailsTheLoad) {
  WriteBytes(Path("shrinking"), "a\nb\nc\n");
  list.SetFileText("kept\n");
  SetBeforeReadHookForTesting(
      [this] { ::truncate(QFile::encodeName(Path("shrinking")).constData(), 2); });
  try {
    list.LoadCronFile(Path("shrinking"));
    ADD_FAILURE() << "a short read was taken for the whole file";
  } catch (const EReadError& e) {
    EXPECT_EQ(e.what(), "ﾌｧｲﾙ " + Path("shrinking").toStdString() + " を読み込めません");
  }
  EXPECT_EQ(list.LineCount(), 1);
  EXPECT_EQ(list.LineAt(0), "kept");
}

}  // namespace
}  // namespace vantrel
