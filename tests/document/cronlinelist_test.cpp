#include "document/cronlinelist.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>
#include "document/listbox.h"

#include "document/errors.h"

namespace vantrel {
namespace {

using Lines = std::vector<std::string>;

class LineListTest : public ::testing::Test {
 protected:
  Lines All() const {
    Lines lines;
    for (int i = 0; i < list.LineCount(); ++i) lines.push_back(list.LineAt(i));
    return lines;
  }
  void Select(int row) { view.SelectRow(row); }

  TListBox view;
  TCronLineList list{view};
};

TEST_F(LineListTest, SplitsFileTextAtEveryKindOfLineEndAndStopsAtNul) {
  using namespace std::string_literals;
  struct Case {
    std::string bytes;
    Lines lines;
  };
  const Case cases[] = {
      {"", {}},
      {"A", {"A"}},
      {"A\r\n", {"A"}},
      {"A\r\nB\r\n", {"A", "B"}},
      {"A\nB", {"A", "B"}},
      {"A\rB", {"A", "B"}},
      {"\r\n", {""}},
      {"A\r\n\r\n", {"A", ""}},
      {"A\n\nB", {"A", "", "B"}},
      {"A\n\rB", {"A", "", "B"}},
      {"A\r\r\nB", {"A", "", "B"}},
      {"A\0B\r\n"s, {"A"}},
      {"\0A\r\n"s, {}},
      {"\xff\xfe\x82\xa0 \x83\x41\n", {"\xff\xfe\x82\xa0 \x83\x41"}},
  };
  for (const auto& c : cases) {
    list.SetFileText(c.bytes);
    EXPECT_EQ(All(), c.lines) << "bytes \"" << c.bytes << "\"";
  }
}

TEST_F(LineListTest, FileTextIsEveryLineFollowedByLf) {
  EXPECT_EQ(list.GetFileText(), "");
  list.SetFileText("a\r\nb\rc");
  list.AppendLine("");
  list.AppendLine("日本語 \t");
  EXPECT_EQ(list.GetFileText(), "a\nb\nc\n\n日本語 \t\n");
}

TEST_F(LineListTest, EveryChangeLeavesNoLineSelected) {
  list.SetFileText("a\nb\nc\n");

  Select(1);
  list.AppendLine("d");  // appending keeps the selection as it is
  EXPECT_EQ(list.SelectedIndex(), 1);

  list.ReplaceLine(1, "B");
  EXPECT_EQ(list.SelectedIndex(), -1);
  EXPECT_EQ(All(), (Lines{"a", "B", "c", "d"}));

  Select(2);
  list.DeleteLine(list.SelectedIndex());
  EXPECT_EQ(list.SelectedIndex(), -1);
  EXPECT_EQ(All(), (Lines{"a", "B", "d"}));

  Select(0);
  list.SetFileText("x\n");
  EXPECT_EQ(list.SelectedIndex(), -1);
}

TEST_F(LineListTest, DeleteOutsideTheListDoesNothing) {
  list.SetFileText("a\nb\n");
  for (int index : {-1, 2, 100}) list.DeleteLine(index);
  EXPECT_EQ(All(), (Lines{"a", "b"}));
}

TEST_F(LineListTest, LineAtOutOfRangeRaisesTheIndexError) {
  list.SetFileText("a\n");
  for (int index : {-1, 1}) {
    try {
      list.LineAt(index);
      FAIL() << index;
    } catch (const EStringListError& e) {
      EXPECT_STREQ(e.what(), "ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています");
    }
  }
}

// Edits of loaded lines, appended lines and lines of any length all read back
// whole, also after many replacements have forced the side buffer to compact.
TEST_F(LineListTest, EditsKeepEveryLineWhole) {
  list.SetFileText("first\nsecond\nthird\n");
  const std::string huge(300000, 'h');
  Lines expected{"first", "second", "third"};
  for (int round = 0; round < 40; ++round) {
    const std::string line = huge + std::to_string(round);
    list.ReplaceLine(round % 3, line);
    expected[static_cast<std::size_t>(round % 3)] = line;
    list.AppendLine("tail" + std::to_string(round));
    expected.push_back("tail" + std::to_string(round));
    if (round % 4 == 0) {
      list.DeleteLine(3);
      expected.erase(expected.begin() + 3);
    }
  }
  EXPECT_EQ(All(), expected);
}

// The view shows lines decoded from UTF-8, invalid bytes as replacement
// characters, while the stored bytes stay exactly as loaded.
TEST_F(LineListTest, ShowsInvalidBytesAsReplacementCharactersButKeepsThem) {
  list.SetFileText("ok 日本\n\x82\xa0 sjis\n");
  EXPECT_EQ(view.model()->index(0, 0).data().toString(), QStringLiteral("ok 日本"));
  EXPECT_EQ(view.model()->index(1, 0).data().toString(), QStringLiteral("\uFFFD\uFFFD sjis"));
  EXPECT_EQ(list.LineAt(1), "\x82\xa0 sjis");
}

TEST_F(LineListTest, RedrawingStaysOffUntilTheOutermostUpdateEnds) {
  list.BeginUpdate();
  list.BeginUpdate();
  list.SetFileText("a\n");  // suspends and resumes on its own
  list.EndUpdate();
  EXPECT_FALSE(view.updatesEnabled());
  list.EndUpdate();
  EXPECT_TRUE(view.updatesEnabled());
}

}  // namespace
}  // namespace vantrel
