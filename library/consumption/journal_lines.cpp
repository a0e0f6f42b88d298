#include "library/consumption/journal_lines.hpp"

#include "platform/oleaut/format.hpp"
#include "platform/oleaut/text.hpp"

namespace kalvik::consumption {

std::string journalLabel(std::string_view label) {
    return oleaut::fixedLength(label, kJournalLabelLength);
}

std::string journalEndLine(std::string_view label, double seconds) {
    std::string line = journalLabel(label) + oleaut::formatFixed(seconds, 2) + " сек";
    if (seconds > 60) line += " - " + oleaut::formatFixed(seconds / 60, 2) + " мин";
    return line;
}

std::string sourceStartLine() {
    return journalLabel(kSourceStartLabel);
}

std::string sourceEndLine(int32_t sourceCount, double seconds) {
    return journalEndLine(std::string(kSourceEndLabel) + std::string(kSourceCountLabel) +
                              oleaut::integerText(sourceCount),
                          seconds);
}

std::string ventilationStartLine() {
    return journalLabel(kVentilationStartLabel);
}

std::string ventilationEndLine(int32_t ventilationSumCount, double seconds) {
    return journalEndLine(
        std::string(kVentilationEndLabel) + oleaut::integerText(ventilationSumCount) + " ",
        seconds);
}

std::string loopStartLine() {
    return std::string(kLoopStartLabel);
}

std::string loopEndLine(double seconds) {
    return journalEndLine(kLoopEndLabel, seconds);
}

std::string totalLine(double seconds) {
    return journalEndLine(kTotalLabel, seconds);
}

}  // namespace kalvik::consumption
