#pragma once
// A server's catalogue in its master.mdf: the databases, their files, the restores under way and
// the caller's rights. Database names compare as the server compares them (database_names.hpp),
// paths by what they lead to, whatever their spelling (files::samePlace).

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/ado/sqlite_file.hpp"

namespace sqlserver {

struct DatabaseFile {
    std::string logicalName;
    std::string physicalName;
};

// A restore under way: the name and the file paths it holds until it records its database, and
// the files it makes to place there, the copy of the data file and of the log file
// (restore_copy.hpp). Read back, the name is its key; a reservation of an earlier shape has no log
// copy ("").
struct Reservation {
    std::string name;
    std::string dataFile;
    std::string logFile;
    std::string copy;
    std::string logCopy;
};

// Whether a path leads to one of the side files SQLite keeps beside a database's file.
[[nodiscard]] bool isSideFileOf(const std::string& path, const std::string& database);

class Catalogue {
  public:
    static constexpr const char* kFileName = "master.mdf";
    // The seconds a connection waits while another change holds the catalogue: ADO's default
    // ConnectionTimeout.
    static constexpr int32_t kConnectionWaitSeconds = 15;

    // Opens the catalogue of a server folder, upgrading one of an earlier shape; one that cannot
    // be upgraded fails in words naming the remedy. While another change holds the catalogue, its
    // opening and its steps wait up to timeoutSeconds from now in all (0: without limit), then
    // fail as a timeout.
    Catalogue(const std::filesystem::path& serverFolder, int32_t timeoutSeconds);

    // Writes a new catalogue: master, tempdb, model and msdb, the rights CONNECT and CREATE
    // DATABASE.
    static void create(const std::filesystem::path& serverFolder);

    // name and database_id of every database, in id order, or of the one named so.
    [[nodiscard]] ado::RowSet databases();
    [[nodiscard]] ado::RowSet databasesNamed(const std::string& name);
    // The data file of the database named so; nothing when none is catalogued.
    [[nodiscard]] std::optional<std::string> dataFileOf(const std::string& name);
    // The catalogued files at a path.
    [[nodiscard]] ado::RowSet filesAt(const std::string& physicalName);
    // entity_name, subentity_name, permission_name when the caller holds the right.
    [[nodiscard]] ado::RowSet permission(const std::string& name);
    [[nodiscard]] bool holds(const std::string& right);

    // Whether a database or a restore under way has the name; whether a catalogued file or a
    // restore under way (its targets and its copies) is at the place the path leads to; whether a
    // catalogued file is.
    [[nodiscard]] bool nameTaken(const std::string& name);
    [[nodiscard]] bool pathTaken(const std::string& path);
    [[nodiscard]] bool recorded(const std::string& path);
    // What a restore's target meets by way of the side files SQLite keeps beside a database's
    // file, which it takes for that database's and deletes: the target itself when it leads to a
    // side file of a data file the catalogue records, of a restore's data file or copy, or of the
    // server's own files; for a data file's target (`database`), the first of its own side files
    // that a catalogued file or a restore under way holds. Nothing when it meets none.
    [[nodiscard]] std::optional<std::string> sideFileClash(const std::string& target,
                                                           bool database);

    // A change of the catalogue: what it reads and writes until committed is one transaction, so
    // that of two changes at once the second sees what the first did. Rolled back unless
    // committed.
    class Change {
      public:
        explicit Change(Catalogue& catalogue);
        void commit();

      private:
        Catalogue& catalogue_;
        ado::sqlite::FileTransaction transaction_;
    };
    [[nodiscard]] Change beginChange();

    // Whether the statement's time is up: a step that repeats stops then, as a timeout.
    [[nodiscard]] bool timedOut() const;
    // The server's folder, which holds the catalogue.
    [[nodiscard]] std::filesystem::path folder() const { return file_.path().parent_path(); }

    // Within a change: catalogues a database with its data and log file, under its name as the
    // server keeps it; a name already there fails.
    void add(const std::string& name, const DatabaseFile& data, const DatabaseFile& log);
    // Within a change: holds a name and paths for a restore, or lets them go (by its copy);
    // whether the reservation of a copy is still there.
    void reserve(const Reservation& reservation);
    void dropReservation(const std::string& copy);
    [[nodiscard]] bool reserved(const std::string& copy);
    [[nodiscard]] std::vector<Reservation> reservations();

  private:
    template <typename Step>
    auto waiting(Step&& step) -> decltype(step());
    [[nodiscard]] int waitLeftMs() const;
    ado::RowSet run(const std::string& sql, const std::vector<oleaut::Variant>& values = {});
    [[nodiscard]] std::vector<std::string> paths(const std::string& query);
    [[nodiscard]] bool anyAt(const std::string& query, const std::string& path);
    void upgrade();
    void keyDatabases();

    std::optional<std::chrono::steady_clock::time_point> deadline_;  // before the file it governs
    ado::sqlite::File file_;
};

}  // namespace sqlserver
