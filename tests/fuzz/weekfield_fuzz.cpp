// Input: one byte of starting flags (bits 0-6 the days, bit 7 every day),
// then the weekday field.
#include <cstdint>
#include <string_view>

#include "schedule/weekfield.h"
#include "tests/fuzz/fuzz_check.h"

using vantrel::TWeekFlags;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  TWeekFlags start;
  start.EveryDay = (data[0] & 0x80) != 0;
  for (std::size_t day = 0; day < 7; ++day) start.Days[day] = (data[0] >> day) & 1;
  const std::string_view field(reinterpret_cast<const char*>(data + 1), size - 1);

  TWeekFlags flags = start;
  vantrel::ParseWeekField(field, flags);
  if (!field.empty() && field.front() == '*') {
    FUZZ_CHECK(flags.EveryDay && flags.Days == start.Days);
  } else {
    FUZZ_CHECK(!flags.EveryDay);
    // Without a "-", a day is set exactly when its digit occurs.
    if (field.find('-') == std::string_view::npos) {
      for (std::size_t day = 0; day < 7; ++day) {
        FUZZ_CHECK(flags.Days[day] == (field.find(static_cast<char>('0' + day)) != field.npos));
      }
    }
  }

  const std::string built = vantrel::BuildWeekField(flags);
  bool anyDay = false;
  for (bool day : flags.Days) anyDay = anyDay || day;
  if (flags.EveryDay) {
    FUZZ_CHECK(built == "*");
  } else if (!anyDay) {
    FUZZ_CHECK(built.empty());
  } else {
    FUZZ_CHECK(!built.empty() && built.size() <= 9);
    FUZZ_CHECK(built.find_first_not_of("0123456-,") == std::string::npos);
    TWeekFlags again = start;
    vantrel::ParseWeekField(built, again);
    FUZZ_CHECK(again == flags);
  }
  return 0;
}
