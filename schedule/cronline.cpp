#include "schedule/cronline.h"

#include <array>

namespace vantrel {

TBuiltCronLine BuildCronLine(std::string_view minute, std::string_view hour,
                             std::string_view monthDay, std::string_view month,
                             const TWeekFlags& week, std::string_view command) {
  if (command.empty()) {
    return {{}, TCronLineError{TCronLineFailure::NoCommand, std::string(kNoCommandMessage)}};
  }
  const std::string weekField = BuildWeekField(week);
  if (weekField.empty()) {
    return {{}, TCronLineError{TCronLineFailure::NoDay, std::string(kNoDayMessage)}};
  }

  const std::array<std::string_view, 6> fields{minute, hour, monthDay, month, weekField, command};
  std::size_t length = fields.size() - 1;  // the separating spaces
  for (const auto field : fields) length += field.size();
  // Measured before anything is built, so a huge command costs no copy.
  if (length > kMaxCronLineLength) {
    return {{}, TCronLineError{TCronLineFailure::TooLong, std::string(kLineTooLongMessage)}};
  }

  std::string line;
  line.reserve(length);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += ' ';
    line += fields[i];
  }
  return {std::move(line), std::nullopt};
}

TCronEntry ParseCronLine(std::string_view line) {
  std::size_t pos = 0;
  const auto skipWhitespace = [&] {
    while (pos < line.size() && IsCronWhitespace(line[pos])) ++pos;
  };
  const auto takeField = [&] {
    skipWhitespace();
    const std::size_t start = pos;
    while (pos < line.size() && !IsCronWhitespace(line[pos])) ++pos;
    return std::string(line.substr(start, pos - start));
  };

  TCronEntry entry;
  entry.Minute = takeField();
  entry.Hour = takeField();
  entry.MonthDay = takeField();
  entry.Month = takeField();
  entry.WeekField = takeField();
  skipWhitespace();
  entry.Command = std::string(line.substr(pos));
  return entry;
}

}  // namespace vantrel
