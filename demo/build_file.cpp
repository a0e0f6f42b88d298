#include "demo/build_file.hpp"

#include "demo/foreign_file.hpp"
#include "platform/ado/sqlite_provider.hpp"
#include "platform/oleaut/error.hpp"

namespace kalvik::demo {

BuildFile::BuildFile(DemoLock& lock) : lock_(lock), path_(lock.reach(kBuildSuffix).string()) {
    if (lock_.buildLeftOver()) {
        ado::removeSqliteDatabase(path_);
    } else if (const std::filesystem::path found = firstPresentOf(path_); !found.empty()) {
        refuseFile(found, "is not the build of a kalvik demo run");
    }
    lock_.recordBuild(true);
}

BuildFile::~BuildFile() {
    ado::removeSqliteDatabase(path_);
    try {
        lock_.recordBuild(false);
    } catch (const oleaut::Error&) {
        // A destructor throws nothing: left recorded, the build file that is gone is only looked
        // for by the next run.
    }
}

}  // namespace kalvik::demo
