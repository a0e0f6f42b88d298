#include "library/ventilation_steam/steam_journal_lines.hpp"

#include "library/services/journal_text.hpp"
#include "platform/oleaut/format.hpp"

namespace kalvik::steam {

std::string startLine(const SteamVariant& variant) {
    return journalLabel(std::string(kStartLabel) + std::string(variant.procedure) + "'");
}

std::string preparedLine(int32_t sourceCount, double seconds) {
    return journalEndLine(std::string(kPreparedLabel) + std::string(kCountLabel) +
                              oleaut::integerText(sourceCount) + " ",
                          seconds);
}

std::string totalLine(double seconds) {
    return journalEndLine(kTotalLabel, seconds);
}

}  // namespace kalvik::steam
