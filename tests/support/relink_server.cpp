#include "tests/support/relink_server.hpp"

#include "installer/demo_tree/tree.hpp"
#include "platform/sqlserver/backup.hpp"
#include "platform/sqlserver/catalogue.hpp"
#include "platform/sqlserver/driver.hpp"

namespace testing_support {

const std::filesystem::path& demoBackup() {
    static const TemporaryDirectory folder;
    static const std::filesystem::path backup = [] {
        const std::filesystem::path file = folder.path() / "Virsel_Demo.bak";
        vendrel::demo_tree::writeDemoBackup(file);
        return file;
    }();
    return backup;
}

RelinkServer::RelinkServer(const std::filesystem::path& root, const std::string& database)
    : root_("KALVIK_SQLSERVER_ROOT", (root / "servers").string()),
      data_(root / "BD" / (database + ".mdf")) {
    sqlserver::installDriver();
    sqlserver::Catalogue catalogue(sqlserver::makeServer(kServer), 0);
    std::filesystem::create_directories(root / "BD");
    sqlserver::restoreDatabase(
        catalogue, database, demoBackup().string(), {"Virsel_Demo", data_.string()},
        {"Virsel_Demo_log", (root / "BD" / (database + ".ldf")).string()}, 0);
}

std::shared_ptr<ado::Connection> RelinkServer::connect(const std::string& database) const {
    auto connection = std::make_shared<ado::Connection>();
    connection->Open(std::string("Driver={SQL Server};Trusted_Connection=Yes;Server=") + kServer +
                     ";Database={" + database + "};");
    return connection;
}

}  // namespace testing_support
