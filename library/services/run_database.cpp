#include "library/services/run_database.hpp"

namespace kalvik {

void RunDatabase::journal(const std::string& line) {
    openRst().LogFileVs_FSB(connString_, line, std::string());
}

}  // namespace kalvik
