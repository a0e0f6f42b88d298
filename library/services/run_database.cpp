#include "library/services/run_database.hpp"

namespace kalvik {

IOpen_RST& RunDatabase::openRst() {
    IOpen_RST& openRst = openRst_.get();
    if (!held_) {
        // Opened as each step of the run opens its own: a database that cannot be opened fails
        // here as it would in that step.
        auto connection = std::make_shared<ado::Connection>();
        connection->Open(connString_);
        held_ = std::move(connection);
    }
    return openRst;
}

void RunDatabase::journal(const std::string& line) {
    openRst().LogFileVs_FSB(connString_, line, std::string());
}

}  // namespace kalvik
