#pragma once
// Builds the demonstration database from the SQL files of demo/ (see demo/README.md): the table
// procedures(name, body) first, then over every subject folder the table files, procedures.sql
// and data.sql, in that order.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "demo/demo_lock.hpp"

namespace kalvik::demo {

// Builds the database afresh in the locked file and returns its connection string. An existing
// file is replaced only when this builder made it; any other file fails with error 58 and stays
// untouched. The build goes into FILE.building beside it and, when whole, is copied into the file
// in one transaction (renamed to it where no file is), so that the file is at every moment the
// earlier database or the new one; a failed build leaves
// nothing of its own, and a file at FILE.building that no run made fails with error 58 and stays.
// The file is replaced only when no other connection has it open: the build waits for that,
// calling whenInUse once before it waits. With largeConsumers, every subject's generate.sql then
// adds that many consumers.
std::string buildDemoDatabase(DemoLock& lock, std::optional<int32_t> largeConsumers = std::nullopt,
                              const std::function<void()>& whenInUse = {});

// The same under a lock of its own, waiting for another build of the file to end.
std::string buildDemoDatabase(const std::string& file,
                              std::optional<int32_t> largeConsumers = std::nullopt);

// "Provider=SQLite;Data Source=FILE".
std::string demoConnectionString(const std::string& file);

}  // namespace kalvik::demo
