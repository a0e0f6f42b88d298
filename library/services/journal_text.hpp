#pragma once
// The journal messages of the calculations: a label in a text of exactly 80 characters and the
// phase-end line with the elapsed time.

#include <string>
#include <string_view>

namespace kalvik {

inline constexpr int kJournalLabelWidth = 80;

// The label padded with blanks or cut to exactly 80 characters.
[[nodiscard]] std::string journalLabel(std::string_view label);

// The 80-character label, the seconds with two decimals and " сек"; above 60 seconds further
// " - ", the minutes with two decimals and " мин". Numbers in the regional number format.
[[nodiscard]] std::string journalEndLine(std::string_view label, double seconds);

// Elapsed seconds of a phase on a monotonic clock: a phase that crosses midnight still has its
// true length.
class PhaseClock {
  public:
    PhaseClock();
    void restart();
    [[nodiscard]] double seconds() const;

  private:
    double start_;
};

}  // namespace kalvik
