#include "demo/run_steps.hpp"

#include <optional>
#include <string>

#include "demo/lock_test_seam.hpp"
#include "platform/files/held_folder.hpp"
#include "platform/oleaut/error.hpp"
#include "platform/oleaut/error_text.hpp"

namespace kalvik::demo {
namespace {

[[noreturn]] void stop(const std::string& why) {
    throw oleaut::Error(oleaut::kPathFileAccessError,
                        "Path/File access error: " + why + "; the run stops");
}

}  // namespace

void beforeRunStep(const DemoLock& lock, const DemoDatabase& database) {
    reachRunStep();
    const std::optional<files::HeldFolder::Named> found = lock.folder().namedAt(lock.name());
    const std::string shown = oleaut::echoedPath(files::shownPath(lock.reach()).string());
    if (!found) stop("the database " + shown + " that this run built is no longer at its name");
    if (found->id != database.file) {
        stop(shown + " is no longer the database this run built: another file was put at its name");
    }
    if (found->names > 1) {
        stop("the database " + shown + " that this run built has " + std::to_string(found->names) +
             " names (hard links) now, under which SQLite cannot keep one database");
    }
}

}  // namespace kalvik::demo
