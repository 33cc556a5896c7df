#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "schedule/cronline.h"
#include "tests/fuzz/fuzz_check.h"

using vantrel::IsCronWhitespace;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  const vantrel::TCronEntry entry = vantrel::ParseCronLine(line);
  const std::array<const std::string*, 5> fields{&entry.Minute, &entry.Hour, &entry.MonthDay,
                                                 &entry.Month, &entry.WeekField};

  bool ranOut = false;
  for (const std::string* field : fields) {
    for (char c : *field) FUZZ_CHECK(!IsCronWhitespace(c));
    // Once the line has run out of fields, every later field is empty.
    if (ranOut) FUZZ_CHECK(field->empty());
    ranOut = ranOut || field->empty();
  }
  if (ranOut) FUZZ_CHECK(entry.Command.empty());
  // The command is the rest of the line, from a byte that is not whitespace.
  FUZZ_CHECK(entry.Command.size() <= line.size());
  FUZZ_CHECK(line.substr(line.size() - entry.Command.size()) == entry.Command);
  FUZZ_CHECK(entry.Command.empty() || !IsCronWhitespace(entry.Command.front()));

  // Joined again with single spaces, the texts split into themselves.
  if (!ranOut) {
    std::string joined;
    for (const std::string* field : fields) joined += *field + " ";
    joined += entry.Command;
    FUZZ_CHECK(vantrel::ParseCronLine(joined) == entry);
  }
  return 0;
}
