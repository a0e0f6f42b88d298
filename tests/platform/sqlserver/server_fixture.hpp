#pragma once
// A server root of a test's own with one server "Srv1", and a backup of a small database that
// holds the workstations' table list.

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include <initializer_list>
#include <memory>
#include <set>
#include <string>

#include "platform/ado/connection.hpp"
#include "platform/ado/recordset.hpp"
#include "platform/ado/sqlite_file.hpp"
#include "platform/sqlserver/backup.hpp"
#include "platform/sqlserver/driver.hpp"
#include "platform/sqlserver/driver_test_seam.hpp"
#include "platform/sqlserver/server_errors.hpp"
#include "tests/support/temporary_directory.hpp"

namespace kalvik::test {

// The server's number of the error a call fails with; 0 when it succeeds.
inline int32_t nativeErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const ado::ProviderError& e) {
        return e.nativeError();
    }
    return 0;
}

// The names of the files in a folder.
inline std::set<std::string> filesIn(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// Whether a restore left no database, no reservation and no file in the folders given.
inline void expectNothingMade(const std::filesystem::path& server,
                              std::initializer_list<std::filesystem::path> folders) {
    ado::sqlite::File master(server / "master.mdf", ado::sqlite::File::Mode::ReadOnly);
    EXPECT_EQ(oleaut::CLng(master.run("SELECT count(*) FROM databases").cells.get(0)), 4);
    EXPECT_EQ(oleaut::CLng(master.run("SELECT count(*) FROM restoring").cells.get(0)), 0);
    for (const auto& folder : folders)
        EXPECT_TRUE(std::filesystem::is_empty(folder)) << folder;
}

class ServerFixture : public ::testing::Test {
  protected:
    ServerFixture() {
        sqlserver::installDriver();
        server_ = sqlserver::makeServer("Srv1");
        const auto source = root_.path() / "source.db";
        {
            ado::sqlite::File db(source, ado::sqlite::File::Mode::Create);
            db.run(
                "CREATE TABLE [001_Таблицы_АРМов](id INTEGER PRIMARY KEY, [АРМ] TEXT, [Нал] "
                "INTEGER, [Резерв1] TEXT, [Имя_Табл_mdb] TEXT, [Имя_Табл] TEXT, [SQLServer] TEXT, "
                "[SQLDatabase] TEXT);"
                "INSERT INTO [001_Таблицы_АРМов] VALUES (1, 'Dog,Fin', 0, '0', 'Договор', "
                "'Договоры', NULL, NULL), (2, 'Ras', 0, '0', 'Расчет', 'Расчеты', NULL, NULL), "
                "(3, 'Dog', 1, '0', 'Старый', 'Старые', NULL, NULL);"
                "CREATE TABLE Договоры(Nd INTEGER PRIMARY KEY, Name TEXT, Region INTEGER)");
        }
        sqlserver::writeBackup(source, backup(),
                               {{"Virsel_Data", "C:/a.mdf"}, {"Virsel_Log", "C:/a.ldf"}});
        std::filesystem::create_directory(root_.path() / "BD");
    }

    std::string backup() const { return (root_.path() / "Virsel_Demo.bak").string(); }
    std::string target(const std::string& name) const {
        return (root_.path() / "BD" / name).string();
    }

    static std::string connectionString(const std::string& database,
                                        const std::string& server = "Srv1") {
        return "Driver={SQL Server};Trusted_Connection=Yes;Server=" + server +
               ";Database=" + database + ";";
    }

    std::shared_ptr<ado::Connection> connect(const std::string& database = "master") const {
        auto connection = std::make_shared<ado::Connection>();
        connection->Open(connectionString(database));
        return connection;
    }

    // The restore statement as the installer sends it (from the fixture's backup unless named).
    std::string restoreText(const std::string& name, const std::string& data,
                            const std::string& log, const std::string& dataName = "Virsel_Data",
                            const std::string& from = {}) const {
        return "RESTORE DATABASE [" + name + "] FROM DISK = '" + (from.empty() ? backup() : from) +
               "'With Move '" + dataName + "' TO '" + data + "',Move 'Virsel_Log' TO '" + log + "'";
    }

    void restore(const std::string& name = "Virsel_Demo") const {
        connect()->Execute(restoreText(name, target(name + ".mdf"), target(name + ".ldf")));
    }

    // The first column of every row of a statement's result, joined by "|".
    static std::string firstColumn(ado::Connection& connection, const std::string& text) {
        auto rows = connection.Execute(text);
        std::string joined;
        if (rows->State() == ado::adStateClosed) return joined;  // no rows returned
        for (; !rows->EndOfFile(); rows->MoveNext()) {
            if (!joined.empty()) joined += "|";
            joined += oleaut::CStr(rows->Fields(0).Value());
        }
        return joined;
    }

    testing_support::TemporaryDirectory root_;
    testing_support::ScopedEnvironment rootVariable_{"KALVIK_SQLSERVER_ROOT",
                                                     root_.path().string()};
    std::filesystem::path server_;
};

}  // namespace kalvik::test
