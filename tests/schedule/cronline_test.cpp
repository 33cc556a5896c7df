#include "schedule/cronline.h"

#include <gtest/gtest.h>

#include <string>

namespace vantrel {
namespace {

TWeekFlags Weekdays() {
  TWeekFlags flags;
  for (std::size_t day = 1; day <= 5; ++day) flags.Days[day] = true;
  return flags;
}

TWeekFlags EveryDay() {
  TWeekFlags flags;
  flags.EveryDay = true;
  return flags;
}

TEST(BuildCronLine, JoinsTheSixTextsWithSingleSpaces) {
  struct Case {
    std::string minute, hour, monthDay, month;
    TWeekFlags week;
    std::string command, line;
  };
  const Case cases[] = {
      {"30", "6", "1", "1", Weekdays(), "backup -v /home", "30 6 1 1 1-5 backup -v /home"},
      {"*/5", "1,15", "*", "jan", EveryDay(), "date +%d", "*/5 1,15 * jan * date +%d"},
      {"", "6", "1", "1", EveryDay(), "x", " 6 1 1 * x"},
      {"0", "", "", "1", EveryDay(), "x", "0   1 * x"},
      {"0", "0", "1", "1", EveryDay(), "  ", "0 0 1 1 *   "},
      {"0", "0", "1", "1", EveryDay(), "エコー 日本語", "0 0 1 1 * エコー 日本語"},
  };
  for (const auto& c : cases) {
    const auto built = BuildCronLine(c.minute, c.hour, c.monthDay, c.month, c.week, c.command);
    ASSERT_TRUE(built.Ok()) << c.line;
    EXPECT_EQ(built.Line, c.line);
  }
}

TEST(BuildCronLine, RefusesInOrderWithTheFixedMessages) {
  struct Case {
    TWeekFlags week;
    std::string command;
    TCronLineFailure kind;
    std::string message;
  };
  const Case cases[] = {
      {TWeekFlags{}, "", TCronLineFailure::NoCommand, "コマンドが指定されていません"},
      {Weekdays(), "", TCronLineFailure::NoCommand, "コマンドが指定されていません"},
      {TWeekFlags{}, "ls", TCronLineFailure::NoDay, "曜日が指定されていません"},
      {TWeekFlags{}, std::string(5000, 'x'), TCronLineFailure::NoDay, "曜日が指定されていません"},
      {EveryDay(), std::string(5000, 'x'), TCronLineFailure::TooLong,
       "結果が 4096 文字以上あります"},
  };
  for (const auto& c : cases) {
    const auto built = BuildCronLine("0", "0", "1", "1", c.week, c.command);
    ASSERT_FALSE(built.Ok());
    EXPECT_EQ(built.Failure->Kind, c.kind);
    EXPECT_EQ(built.Failure->Message, c.message);
    EXPECT_TRUE(built.Line.empty());
  }
}

// "0 0 1 1 * " is 10 bytes; the command fills the rest with 3-byte characters
// and single bytes, so the limit falls in the middle of nothing special.
TEST(BuildCronLine, AcceptsExactly4096BytesCountingMultiByteCharacters) {
  std::string command;
  while (command.size() + 3 <= 4096 - 10) command += "日";
  command.append(4096 - 10 - command.size(), 'a');

  const auto atLimit = BuildCronLine("0", "0", "1", "1", EveryDay(), command);
  ASSERT_TRUE(atLimit.Ok());
  EXPECT_EQ(atLimit.Line.size(), 4096U);

  const auto over = BuildCronLine("0", "0", "1", "1", EveryDay(), command + "a");
  ASSERT_FALSE(over.Ok());
  EXPECT_EQ(over.Failure->Kind, TCronLineFailure::TooLong);
}

TEST(ParseCronLine, SplitsFiveFieldsAndTakesTheRestAsCommand) {
  struct Case {
    std::string line;
    TCronEntry entry;
  };
  const Case cases[] = {
      {"0 12 1 1 * 1 day", {"0", "12", "1", "1", "*", "1 day"}},
      {"30 6 * * 1-5 backup -v /home", {"30", "6", "*", "*", "1-5", "backup -v /home"}},
      {"  5 4  3 2 0,6 ls -l  ", {"5", "4", "3", "2", "0,6", "ls -l  "}},
      {"\t1\t2 \t3\v4\f5\r\ncmd\targ ", {"1", "2", "3", "4", "5", "cmd\targ "}},
      {"# m h dom mon dow command", {"#", "m", "h", "dom", "mon", "dow command"}},
      {"1 2 3 4 5     spaced", {"1", "2", "3", "4", "5", "spaced"}},
      // Bytes from 0x80 up are never whitespace: a character whose bytes contain
      // 0x85 or 0xA0 stays whole.
      {"1 2 3 4 \xe6\x97\xa5 \xe2\x80\x85x", {"1", "2", "3", "4", "\xe6\x97\xa5", "\xe2\x80\x85x"}},
      // Fewer than six fields: the missing ones are empty.
      {"", {}},
      {"   \t ", {}},
      {"SHELL=/bin/sh", {"SHELL=/bin/sh", "", "", "", "", ""}},
      {"1 2 3 4 5", {"1", "2", "3", "4", "5", ""}},
      {"1 2 3 4 5   ", {"1", "2", "3", "4", "5", ""}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseCronLine(c.line), c.entry) << "line \"" << c.line << "\"";
  }
}

// A built line splits back into the texts it was built from, as long as each
// of the first five is a non-empty word and the command does not start with
// whitespace.
TEST(CronLine, BuiltLinesSplitBackIntoTheirTexts) {
  const auto built = BuildCronLine("*/15", "9-17", "1,15", "*", Weekdays(), "echo '%d'  x ");
  ASSERT_TRUE(built.Ok());
  const TCronEntry expected{"*/15", "9-17", "1,15", "*", "1-5", "echo '%d'  x "};
  EXPECT_EQ(ParseCronLine(built.Line), expected);
}

}  // namespace
}  // namespace vantrel
