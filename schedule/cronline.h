#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "schedule/weekfield.h"

namespace vantrel {

// One schedule entry as the six texts of its line, in line order.
struct TCronEntry {
  std::string Minute, Hour, MonthDay, Month, WeekField, Command;

  bool operator==(const TCronEntry&) const = default;
};

// The longest line BuildCronLine composes, in bytes.
inline constexpr std::size_t kMaxCronLineLength = 4096;

inline constexpr std::string_view kNoCommandMessage = "コマンドが指定されていません";
inline constexpr std::string_view kNoDayMessage = "曜日が指定されていません";
inline constexpr std::string_view kLineTooLongMessage = "結果が 4096 文字以上あります";

enum class TCronLineFailure { NoCommand, NoDay, TooLong };

struct TCronLineError {
  TCronLineFailure Kind;
  std::string Message;
};

// Either the composed line or why it was refused.
struct TBuiltCronLine {
  std::string Line;
  std::optional<TCronLineError> Failure;

  bool Ok() const { return !Failure; }
};

// Joins the six texts with single spaces, the weekday field built from `week`.
// Refuses, in this order: an empty command, no day chosen, a line over 4096 bytes.
TBuiltCronLine BuildCronLine(std::string_view minute, std::string_view hour,
                             std::string_view monthDay, std::string_view month,
                             const TWeekFlags& week, std::string_view command);

// Splits a line into five whitespace-separated fields and the command, which
// is the rest of the line from where a sixth field would begin. Missing fields
// come back as empty texts.
TCronEntry ParseCronLine(std::string_view line);

// The bytes that separate fields: tab, LF, VT, FF, CR and space. Bytes from
// 0x80 up never count, so a multi-byte character is never split.
constexpr bool IsCronWhitespace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace vantrel
