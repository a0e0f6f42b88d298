#include "library/services/journal_text.hpp"

#include "platform/oleaut/datetime.hpp"
#include "platform/oleaut/format.hpp"
#include "platform/oleaut/text.hpp"

namespace kalvik {
namespace {

constexpr double kSecondsPerMinute = 60.0;

}  // namespace

std::string journalLabel(std::string_view label) {
    return oleaut::fixedLength(label, kJournalLabelWidth);
}

std::string journalEndLine(std::string_view label, double seconds) {
    std::string line = journalLabel(label) + oleaut::formatFixed(seconds, 2) + " сек";
    if (seconds > kSecondsPerMinute) {
        line += " - " + oleaut::formatFixed(seconds / kSecondsPerMinute, 2) + " мин";
    }
    return line;
}

PhaseClock::PhaseClock() : start_(oleaut::monotonicSeconds()) {}

void PhaseClock::restart() {
    start_ = oleaut::monotonicSeconds();
}

double PhaseClock::seconds() const {
    return oleaut::monotonicSeconds() - start_;
}

}  // namespace kalvik
