#include "schedule/weekfield.h"

#include <gtest/gtest.h>

#include <string>

namespace vantrel {
namespace {

TWeekFlags DaysFromMask(unsigned mask) {
  TWeekFlags flags;
  for (std::size_t day = 0; day < 7; ++day) flags.Days[day] = (mask >> day) & 1U;
  return flags;
}

// Days written as digits, "" for none: "015" is Sunday, Monday, Friday.
TWeekFlags DaysFromDigits(const std::string& digits) {
  TWeekFlags flags;
  for (char c : digits) flags.Days[static_cast<std::size_t>(c - '0')] = true;
  return flags;
}

struct BuildCase {
  std::string days;
  std::string field;
};

TEST(BuildWeekField, WritesRunsAsRangesAndJoinsThemWithCommas) {
  const BuildCase cases[] = {
      {"12345", "1-5"},       {"01", "0-1"},          {"3", "3"},
      {"0246", "0,2,4,6"},    {"01346", "0-1,3-4,6"}, {"056", "0,5-6"},
      {"1235", "1-3,5"},      {"0123456", "0-6"},     {"", ""},
      {"01356", "0-1,3,5-6"}, {"02356", "0,2-3,5-6"}, {"6", "6"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BuildWeekField(DaysFromDigits(c.days)), c.field) << "days " << c.days;
  }
}

TEST(BuildWeekField, EveryDayIsAStarWhateverTheDaysHold) {
  for (unsigned mask : {0U, 0x7FU, 0x15U}) {
    TWeekFlags flags = DaysFromMask(mask);
    flags.EveryDay = true;
    EXPECT_EQ(BuildWeekField(flags), "*");
  }
}

// Every non-empty set of days survives build then parse, from any starting flags,
// and the field stays within 9 bytes of "0"-"6", "-" and ",".
TEST(WeekField, EveryDaySetRoundTrips) {
  for (unsigned mask = 1; mask < 128; ++mask) {
    const TWeekFlags chosen = DaysFromMask(mask);
    const std::string field = BuildWeekField(chosen);
    EXPECT_LE(field.size(), 9U) << field;
    EXPECT_EQ(field.find_first_not_of("0123456-,"), std::string::npos) << field;
    for (unsigned start : {0U, 0x7FU, ~mask & 0x7FU}) {
      TWeekFlags parsed = DaysFromMask(start);
      parsed.EveryDay = true;
      ParseWeekField(field, parsed);
      EXPECT_EQ(parsed, chosen) << "field " << field;
    }
  }
}

struct ParseCase {
  std::string field;
  std::string days;
};

TEST(ParseWeekField, SetsTheDaysTheFieldNames) {
  const ParseCase cases[] = {
      {"1-5", "12345"}, {"0,2,4,6", "0246"}, {"1-3,5", "1235"}, {"0-6", "0123456"},
      {"6,0", "06"},    {"5-9", "56"},       {"3-1", "13"},     {"1-10", "01"},
      {"1-", "1"},      {"1-5/2", "12345"},  {"1,-3", "0123"},  {"2*", "2"},
      {"7", ""},        {"mon-fri", ""},     {"8-9", ""},       {"", ""},
      {"-3", "3"},      {"--", ""},          {"0-\xff", "0"},   {"\x80-3", "0123"},
      {"月-2", "012"},  {"1-\t", "1"},
  };
  for (const auto& c : cases) {
    TWeekFlags flags = DaysFromMask(0x7F);
    flags.EveryDay = true;
    ParseWeekField(c.field, flags);
    EXPECT_EQ(flags, DaysFromDigits(c.days)) << "field \"" << c.field << "\"";
  }
}

TEST(ParseWeekField, LeadingStarSetsEveryDayAndKeepsTheDaysHandedIn) {
  for (const char* field : {"*", "*/2", "*7", "*-"}) {
    TWeekFlags flags = DaysFromDigits("135");
    ParseWeekField(field, flags);
    TWeekFlags expected = DaysFromDigits("135");
    expected.EveryDay = true;
    EXPECT_EQ(flags, expected) << field;
  }
}

}  // namespace
}  // namespace vantrel
