// Input: one byte of weekday flags (bits 0-6 the days, bit 7 every day), one
// byte that repeats the command up to 255 times (to cross the length limit),
// then minute, hour, day of month, month and command separated by NUL bytes.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "schedule/cronline.h"
#include "tests/fuzz/fuzz_check.h"

using vantrel::TCronLineFailure;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  vantrel::TWeekFlags week;
  week.EveryDay = (data[0] & 0x80) != 0;
  for (std::size_t day = 0; day < 7; ++day) week.Days[day] = (data[0] >> day) & 1;
  const int repeat = data[1];

  std::array<std::string, 5> texts;
  std::size_t part = 0;
  for (std::size_t i = 2; i < size; ++i) {
    if (data[i] == 0 && part < texts.size() - 1) {
      ++part;
    } else {
      texts[part] += static_cast<char>(data[i]);
    }
  }
  std::string command;
  for (int i = 0; i <= repeat; ++i) command += texts[4];

  const auto built = vantrel::BuildCronLine(texts[0], texts[1], texts[2], texts[3], week, command);
  const std::string weekField = vantrel::BuildWeekField(week);
  const std::string joined =
      texts[0] + " " + texts[1] + " " + texts[2] + " " + texts[3] + " " + weekField + " " + command;
  if (command.empty()) {
    FUZZ_CHECK(!built.Ok() && built.Failure->Kind == TCronLineFailure::NoCommand);
  } else if (weekField.empty()) {
    FUZZ_CHECK(!built.Ok() && built.Failure->Kind == TCronLineFailure::NoDay);
  } else if (joined.size() > vantrel::kMaxCronLineLength) {
    FUZZ_CHECK(!built.Ok() && built.Failure->Kind == TCronLineFailure::TooLong);
  } else {
    FUZZ_CHECK(built.Ok() && built.Line == joined);
  }
  if (!built.Ok()) FUZZ_CHECK(built.Line.empty());
  return 0;
}
