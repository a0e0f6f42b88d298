#pragma once
// Builds the demonstration database from the SQL files of demo/ (see demo/README.md): the table
// procedures(name, body) first, then over every subject folder the table files, procedures.sql
// and data.sql, in that order.

#include <cstdint>
#include <optional>
#include <string>

namespace kalvik::demo {

// Builds the database afresh in the file and returns its connection string. An existing file is
// replaced only when this builder made it; any other file fails with error 58 and stays untouched.
// With largeConsumers, every subject's generate.sql then adds that many consumers.
std::string buildDemoDatabase(const std::string& file,
                              std::optional<int32_t> largeConsumers = std::nullopt);

// "Provider=SQLite;Data Source=FILE".
std::string demoConnectionString(const std::string& file);

}  // namespace kalvik::demo
