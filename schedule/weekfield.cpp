#include "schedule/weekfield.h"

#include <cstdint>

namespace vantrel {

std::string BuildWeekField(const TWeekFlags& flags) {
  if (flags.EveryDay) return "*";

  std::string field;
  int previous = -2;
  bool inRun = false;  // the current run already has a "-end" written
  for (int day = 0; day < 7; ++day) {
    if (!flags.Days[static_cast<std::size_t>(day)]) continue;
    const char digit = static_cast<char>('0' + day);
    if (field.empty()) {
      field += digit;
    } else if (day == previous + 1) {
      // A run of two days is still written as a range; a longer run moves its end.
      if (inRun) field.resize(field.size() - 2);
      field += '-';
      field += digit;
      inRun = true;
    } else {
      field += ',';
      field += digit;
      inRun = false;
    }
    previous = day;
  }
  return field;
}

namespace {

// Bytes are read as signed 8-bit values whatever the platform's char is, and
// the end of the text reads as 0.
int SignedByteAt(std::string_view text, std::size_t i) {
  if (i >= text.size()) return 0;
  return static_cast<std::int8_t>(static_cast<unsigned char>(text[i]));
}

}  // namespace

void ParseWeekField(std::string_view field, TWeekFlags& flags) {
  if (!field.empty() && field.front() == '*') {
    flags.EveryDay = true;
    return;
  }
  flags = TWeekFlags{};
  for (std::size_t i = 0; i < field.size(); ++i) {
    const char c = field[i];
    if (c >= '0' && c <= '6') {
      flags.Days[static_cast<std::size_t>(c - '0')] = true;
    } else if (c == '-' && i > 0) {
      // A "-" with nothing before it has no start for its range and sets nothing.
      const int from = SignedByteAt(field, i - 1) - '0';
      const int to = SignedByteAt(field, i + 1) - '0';
      for (int day = from < 0 ? 0 : from; day < to && day <= 6; ++day) {
        flags.Days[static_cast<std::size_t>(day)] = true;
      }
    }
  }
}

}  // namespace vantrel
