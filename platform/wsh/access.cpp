#include "platform/wsh/access.hpp"

#include <unistd.h>

#include "platform/dao/engine.hpp"
#include "platform/dao/workstation_file.hpp"
#include "platform/oleaut/error.hpp"

namespace wsh {
namespace {

constexpr const char* kSource = "Access.Application";
constexpr int32_t kNoDatabaseOpen = 2467;  // the object refers to no open database
constexpr int32_t kInstanceGone = 462;     // "The remote server machine does not exist"

}  // namespace

void AccessApplication::requireRunning() const {
    if (quit_) {
        throw oleaut::Error(kInstanceGone, "The Access instance has quit", kSource);
    }
}

void AccessApplication::openFile(const std::string& path) {
    requireRunning();
    open_ = dao::dbEngine().OpenDatabase(path);
}

void AccessApplication::compileModules() {
    requireRunning();
    if (!open_) throw oleaut::Error(kNoDatabaseOpen, "No database is open", kSource);
    dao::compileModules(open_->file());
}

void AccessApplication::makeCompiledCopy(const std::string& source, const std::string& target) {
    requireRunning();
    const std::string building = target + ".building-" + std::to_string(::getpid());
    std::error_code ec;
    std::filesystem::remove(building, ec);
    try {
        dao::openWorkstationFile(source, ado::sqlite::File::Mode::ReadOnly)->copyInto(building);
        ado::sqlite::File copy(building, ado::sqlite::File::Mode::ReadWrite);
        dao::makeCompiledCopy(copy);
    } catch (...) {
        std::filesystem::remove(building, ec);
        throw;
    }
    std::filesystem::rename(building, target);
}

void AccessApplication::quit() {
    requireRunning();
    if (open_) open_->Close();
    open_.reset();
    quit_ = true;
}

}  // namespace wsh
