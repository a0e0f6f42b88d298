#include "library/consumption/journal_lines.hpp"

#include "library/services/journal_text.hpp"
#include "platform/oleaut/format.hpp"

namespace kalvik::consumption {

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
