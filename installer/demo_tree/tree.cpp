// Builds the demonstration installer tree. The tree carries a mark file, so that only a tree this
// builder made is ever removed.

#include "installer/demo_tree/tree.hpp"

#include "demo/builder.hpp"
#include "platform/dao/database.hpp"
#include "platform/dao/workstation_file.hpp"
#include "platform/oleaut/error.hpp"
#include "platform/sqlserver/backup.hpp"
#include "platform/sqlserver/catalogue.hpp"

#include <algorithm>
#include <fstream>

namespace vendrel::demo_tree {
namespace {

namespace fs = std::filesystem;

constexpr const char* kMark = ".vendrel-demo";

// The links every file still holds: one to a table the list links anew, one the list no longer
// names.
struct StaleLinks {
    const char* code;
    const char* relinked;
    const char* dropped;
};
constexpr StaleLinks kStaleLinks[] = {
    {"Dog", "Потребители", "Договоры_старые"},
    {"Dg_Rs", "ОтключенияПотр", "Отключения_старые"},
    {"Ras", "Промывки", "Расчеты_старые"},
    {"Fin", "Журнал", "Счета_старые"},
};

// Empties a folder this builder made, or makes a new one; any other existing folder fails.
void claim(const fs::path& folder) {
    if (fs::exists(folder) || fs::is_symlink(folder)) {
        if (!fs::is_directory(folder) || !fs::exists(folder / kMark)) {
            throw oleaut::Error(oleaut::kFileAlreadyExists,
                                "File already exists: " + folder.string() +
                                    " was not made by vendrel-demo and is left as it is; delete "
                                    "it or name another folder");
        }
        fs::remove_all(folder);
    }
    fs::create_directories(folder);
    std::ofstream(folder / kMark) << "made by vendrel-demo\n";
}

void copyPrograms(const fs::path& folder, const fs::path& programs) {
    for (const char* program : {"vendrel", "vendrel-wsh"}) {
        fs::copy_file(programs / program, folder / program);
    }
}

std::string oldConnect() {
    return std::string("ODBC;Driver={SQL Server};Trusted_Connection=Yes;Server=") + kOldServer +
           ";Database=Virsel_Old;";
}

dao::WorkstationContents workstationContents(const StaleLinks& stale) {
    dao::WorkstationContents contents;
    contents.localTables = {
        "CREATE TABLE tbl_str_conn(ConnectionString TEXT, ServerName TEXT, DBName TEXT)",
        std::string("INSERT INTO tbl_str_conn VALUES ('Provider=SQLOLEDB.1;Integrated "
                    "Security=SSPI;Persist Security Info=False;Initial Catalog=Virsel_Old', '") +
            kOldServer + "', 'Virsel_Old')",
        "CREATE TABLE Настройки(id INTEGER PRIMARY KEY, Имя TEXT, Значение TEXT)",
        std::string("INSERT INTO Настройки VALUES (1, 'АРМ', '") + stale.code + "')",
    };
    contents.links = {
        {stale.relinked, oldConnect(), stale.relinked, dao::dbAttachedODBC, {"id"}},
        {stale.dropped, oldConnect(), stale.dropped, dao::dbAttachedODBC, {"id"}},
    };
    contents.modules = {
        {"Модуль_Запуск", "Public Sub Запуск()\n    DoCmd.OpenForm \"Главная\"\nEnd Sub\n"},
        {"Модуль_Связь",
         "Public Function Сервер() As String\n    Сервер = DLookup(\"ServerName\", "
         "\"tbl_str_conn\")\nEnd Function\n"},
    };
    return contents;
}

// A server under the tree's own root, with the rights to connect and to create a database.
void makeServer(const fs::path& folder) {
    const fs::path server = folder / "server" / kServer;
    fs::create_directories(server);
    sqlserver::Catalogue::create(server);
}

// A text as one word of the shell: in single quotes, a quote inside written '\''.
std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

}  // namespace

void writeDemoBackup(const fs::path& backup) {
    const fs::path database = backup.string() + ".build";
    kalvik::demo::buildDemoDatabase(database.string());
    sqlserver::writeBackup(database, backup,
                           {{"Virsel_Demo", "D:/Virsel/Virsel_Demo.mdf"},
                            {"Virsel_Demo_log", "D:/Virsel/Virsel_Demo_log.ldf"}});
    for (const char* suffix : {"", "-wal", "-shm"})
        fs::remove(database.string() + suffix);
}

void writeWorkstationFile(const fs::path& file, const std::string& code) {
    for (const StaleLinks& stale : kStaleLinks) {
        if (stale.code == code) return dao::makeWorkstationFile(file, workstationContents(stale));
    }
    throw oleaut::Error(oleaut::kInvalidProcedureCall, "no workstation " + code);
}

void buildTree(const fs::path& folder, const fs::path& programs) {
    claim(folder);
    copyPrograms(folder, programs);
    fs::create_directories(folder / "BD/BdBackup");
    writeDemoBackup(folder / "BD/BdBackup/Virsel_Demo.bak");
    fs::create_directories(folder / "MDB");
    for (const StaleLinks& stale : kStaleLinks) {
        writeWorkstationFile(folder / "MDB" / (std::string(stale.code) + ".mdb"), stale.code);
    }
    makeServer(folder);
}

std::string startCommand(const fs::path& folder) {
    return "KALVIK_SQLSERVER_ROOT=" + shellQuoted((folder / "server").string()) + " " +
           shellQuoted((folder / "vendrel").string());
}

std::vector<std::string> listTree(const fs::path& folder) {
    std::vector<std::string> paths;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        const std::string relative = fs::relative(entry.path(), folder).string();
        if (relative == kMark) continue;
        paths.push_back(relative + (entry.is_directory() ? "/" : ""));
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

}  // namespace vendrel::demo_tree
