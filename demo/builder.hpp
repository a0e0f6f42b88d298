#pragma once
// Builds the demonstration database from the SQL files of demo/ (see demo/README.md): the table
// procedures(name, body) first, then over every subject folder the table files, procedures.sql
// and data.sql, in that order.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "demo/demo_lock.hpp"
#include "platform/ado/sqlite_provider.hpp"
#include "platform/files/identity.hpp"

namespace kalvik::demo {

// A demonstration database just built, and a hold of its file from its copy-in on: while the
// hold lives, the file is in use, so that no other copy-in lands in it.
struct DemoDatabase {
    // Reaches the file through the lock's held folder, while the lock lives; never for a message.
    std::string connectionString;
    ado::SqliteHold hold;
    files::FileId file;  // the file the copy-in left at the lock's name
};

// Builds the database afresh in the locked file and returns its connection string. An existing
// file is replaced only when this builder made it; any other file fails with error 58 and stays
// untouched, and so does a demonstration database with more than one name (hard link) or holding
// a table that no build makes (a backup of one, a copy a user added to), and a side file (-wal,
// -shm, -journal) of the file where the file is not there. What the file is is asked before the
// build and again under the placing's hold, just before its content is taken. The build goes into
// FILE.building beside it and, when whole, is copied into the file in one transaction (renamed to
// it where no file is), so that the file is at every moment the earlier database or the new one;
// a damaged demonstration database, which SQLite cannot read, is written over. A failed build
// leaves nothing of its own, and a file at FILE.building that no run made fails with error 58 and
// stays. The file is replaced only when no other connection has it open: the build waits for
// that, calling whenInUse once before it waits. With largeConsumers, every subject's generate.sql
// then adds that many consumers.
[[nodiscard]] DemoDatabase buildDemoDatabase(DemoLock& lock,
                                             std::optional<int32_t> largeConsumers = std::nullopt,
                                             const std::function<void()>& whenInUse = {});

// The same under a lock of its own, waiting for another build of the file to end; the connection
// string names the file by its real path.
std::string buildDemoDatabase(const std::string& file,
                              std::optional<int32_t> largeConsumers = std::nullopt);

// "Provider=SQLite;Data Source=FILE", the path quoted so that it reaches exactly that file.
std::string demoConnectionString(const std::string& file);

}  // namespace kalvik::demo
