#include "tests/support/demo_server.hpp"

#include "platform/ado/connection.hpp"
#include "platform/ado/sqlite_file.hpp"
#include "platform/sqlserver/backup.hpp"
#include "platform/sqlserver/driver.hpp"

namespace testing_support {

namespace fs = std::filesystem;

DemoServer::DemoServer(const fs::path& root)
    : root_("KALVIK_SQLSERVER_ROOT", (root / "servers").string()), app_((root / "app").string()) {
    sqlserver::installDriver();
    server_ = sqlserver::makeServer(kServer);
    fs::create_directories(app_ + "/BD/BdBackup");
    const fs::path source = root / "source.db";
    {
        ado::sqlite::File db(source, ado::sqlite::File::Mode::Create);
        db.run(
            "CREATE TABLE Договоры(Nd INTEGER PRIMARY KEY, Name TEXT);"
            "INSERT INTO Договоры VALUES (1, 'Тепловые сети');"
            "CREATE TABLE tbl_str_conn(str_conn TEXT)");
    }
    sqlserver::writeBackup(source, backup(),
                           {{"Virsel_Demo", "C:/DB/Virsel_Demo.mdf"},
                            {"Virsel_Demo_log", "C:/DB/Virsel_Demo_log.ldf"}});
}

void refuseRight(const fs::path& serverFolder, const std::string& right) {
    ado::sqlite::File master(serverFolder / "master.mdf", ado::sqlite::File::Mode::ReadWrite);
    master.run("DELETE FROM my_permissions WHERE permission_name = ?", {oleaut::Variant(right)});
}

void DemoServer::refuse(const std::string& right) const {
    refuseRight(server_, right);
}

void DemoServer::restoreAs(const std::string& name, const std::string& data,
                           const std::string& log) const {
    ado::Connection connection;
    connection.Open(std::string("Driver={SQL Server};Trusted_Connection=Yes;Server=") + kServer +
                    ";Database=master;");
    connection.Execute("RESTORE DATABASE [" + name + "] FROM DISK = '" + backup() +
                       "'With Move 'Virsel_Demo' TO '" + data + "',Move 'Virsel_Demo_log' TO '" +
                       log + "'");
}

}  // namespace testing_support
