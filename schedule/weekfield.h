#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vantrel {

// The weekday choice of one entry. Days are indexed as crontab numbers them:
// 0 = Sunday ... 6 = Saturday.
struct TWeekFlags {
  bool EveryDay = false;
  std::array<bool, 7> Days{};

  bool operator==(const TWeekFlags&) const = default;
};

// "*" when EveryDay is set, otherwise the chosen days as ascending runs
// ("0-1,3-4,6"); the empty text when no day is chosen.
std::string BuildWeekField(const TWeekFlags& flags);

// Updates `flags` from a weekday field. A leading "*" sets EveryDay and leaves
// the days as they were handed in; anything else clears all flags first and
// then sets the days the field names. Never fails.
void ParseWeekField(std::string_view field, TWeekFlags& flags);

}  // namespace vantrel
