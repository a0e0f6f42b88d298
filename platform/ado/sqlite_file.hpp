#pragma once
// A SQLite file that a platform stand-in keeps for itself (a server's catalogue, a backup, a
// workstation file): opened as it is, without the provider's pool, WAL switch or procedures, so
// that a file only read is left byte for byte as it was.

#include <filesystem>
#include <string>
#include <vector>

#include "platform/ado/provider.hpp"
#include "platform/oleaut/error.hpp"

struct sqlite3;

namespace ado::sqlite {

class File {
  public:
    enum class Mode { ReadOnly, ReadWrite, Create };
    // How long a step waits while another connection holds the file, unless told.
    static constexpr int kBusyWaitMs = 30000;

    // Fails naming the file when it is missing (Create: when it exists) or is not a database; one
    // that another connection holds past busyWaitMs (it cannot be read) fails with FileBusyError.
    File(const std::filesystem::path& path, Mode mode, int busyWaitMs = kBusyWaitMs);
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    const std::filesystem::path& path() const noexcept { return path_; }

    // Runs every statement of sql, binding the values to its "?" in order; the rows of the last
    // statement that returned rows. Fails with the database's message.
    RowSet run(const std::string& sql, const std::vector<oleaut::Variant>& values = {});

    bool hasTable(const std::string& name);
    // The names of the tables the file holds (its own bookkeeping of SQLite aside).
    std::vector<std::string> tables();

    // Copies the whole database into a new file, rows, schema and header settings; fails when
    // the target exists.
    void copyInto(const std::filesystem::path& target);
    // The same into an empty file its maker made for it (and may hold open); fails when the file
    // is missing or not empty.
    void copyIntoEmptyFile(const std::filesystem::path& target);

    // The raw handle, for what a stand-in sets beyond SQL (a collation, a progress handler).
    sqlite3* handle() const noexcept { return db_; }

  private:
    std::filesystem::path path_;
    sqlite3* db_ = nullptr;
};

// A file that another connection held for longer than its opening waited.
class FileBusyError : public oleaut::Error {
  public:
    using oleaut::Error::Error;
};

// A transaction over a File: rolled back unless committed.
class FileTransaction {
  public:
    explicit FileTransaction(File& file);
    ~FileTransaction();
    FileTransaction(const FileTransaction&) = delete;
    FileTransaction& operator=(const FileTransaction&) = delete;
    void commit();

  private:
    File& file_;
    bool open_ = true;
};

// The text value of a cell of a row set ("" for Null), for reading catalogue rows.
std::string textAt(const RowSet& rows, size_t row, size_t column);

}  // namespace ado::sqlite
