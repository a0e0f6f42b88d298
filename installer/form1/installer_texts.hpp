#pragma once
// What the relinking and the build send and show, in one place: the Jet texts run in a
// workstation file, the statements sent to the server, the labels, the messages and the lines of
// the build script. A name or path goes into a literal with its quotes doubled; a server or
// database name goes into a link's connection string as into the server's (server_texts.hpp).

#include "installer/form1/server_texts.hpp"
#include "platform/oleaut/error.hpp"

#include <array>
#include <exception>
#include <string>
#include <vector>

namespace vendrel::relinking {

// A value as a Jet literal ("…").
[[nodiscard]] inline std::string jetLiteral(const std::string& text) {
    return "\"" + texts::doubling(text, '"') + "\"";
}

// The workstations in the order they are processed, with the masks of their .mdb and .mde files.
struct Workstation {
    const char* code;
    const char* mdbMask;
    const char* mdeMask;
};
inline constexpr std::array<Workstation, 4> kWorkstations{{
    {"Dog", "*Dog*mdb*", "*Dog*mde*"},
    {"Dg_Rs", "*Dg_Rs*mdb*", "*Dg_Rs*mde*"},
    {"Ras", "*Ras*mdb*", "*Ras*mde*"},
    {"Fin", "*Fin*mdb*", "*Fin*mde*"},
}};
inline constexpr const char* kAnyMdb = "*.mdb*";
inline constexpr const char* kAnyMde = "*.mde*";

// The Jet texts run in a workstation file.
[[nodiscard]] inline std::string dropTable(const std::string& name) {
    return "DROP TABLE [" + name + "]";
}
inline constexpr const char* kDeleteConnectionRow = "DELETE tbl_str_conn.* FROM tbl_str_conn";

// The connection the workstation front-ends read: the database only, no server.
[[nodiscard]] inline std::string frontEndConnection(const std::string& database) {
    return "Provider=SQLOLEDB.1;Integrated Security=SSPI;Persist Security Info=False;"
           "Initial Catalog=" +
           database;
}

[[nodiscard]] inline std::string insertConnectionRow(const std::string& server,
                                                     const std::string& database) {
    return "INSERT INTO tbl_str_conn ( ConnectionString, ServerName, DBName )SELECT " +
           jetLiteral(frontEndConnection(database)) + " AS ConnectionString, " +
           jetLiteral(server) + " AS ServerName, " + jetLiteral(database) + " AS DBName;";
}

// The primary index of a link over its key columns (at least one).
[[nodiscard]] inline std::string createPrimaryIndex(const std::string& link,
                                                    const std::vector<std::string>& columns) {
    std::string list;
    for (const std::string& column : columns) {
        if (!list.empty()) list += ", ";
        list += "[" + column + "]";
    }
    return "CREATE  INDEX [Ind_" + link + "] ON [" + link + "] (" + list + ") WITH PRIMARY;";
}

// A link's connection to the chosen database: the server's connection string behind "ODBC;".
[[nodiscard]] inline std::string linkConnect(const std::string& server,
                                             const std::string& database) {
    return "ODBC;" + databaseConnection(server, database);
}

// The statements sent to the server: the installation stamped into every row of the list, and
// the rows of one workstation.
[[nodiscard]] inline std::string stampWorkstationTables(const std::string& server,
                                                        const std::string& database) {
    return " Update [001_Таблицы_АРМов]   SET [001_Таблицы_АРМов].[SQLServer] = " +
           texts::literal(server) +
           " ,      [001_Таблицы_АРМов].[SQLDatabase] = " + texts::literal(database) + ";";
}
[[nodiscard]] inline std::string workstationTables(const std::string& code) {
    return "select * from [001_Таблицы_АРМов] where (([АРМ] like " +
           texts::literal("%" + code + "%") +
           ") AND (([001_Таблицы_АРМов].[Нал])=0) AND (([001_Таблицы_АРМов].[Резерв1])='0'))";
}

// The list's columns.
inline constexpr const char* kLinkName = "Имя_Табл_mdb";
inline constexpr const char* kSourceName = "Имя_Табл";
inline constexpr std::array<const char*, 4> kKeyColumns{"Индекс1", "Индекс2", "Индекс3", "Индекс4"};

// The progress lines.
[[nodiscard]] inline std::string droppingLabel(const std::string& file, const std::string& table) {
    return "Удаление таблицы из '" + file + "'   " + table;
}
[[nodiscard]] inline std::string linkingLabel(int k, int n, const std::string& link) {
    return "Присоединение таблицы " + std::to_string(k) + "/" + std::to_string(n) + "  " + link;
}

// The messages.
// A failure as the boxes show it: its number, ": " and its description.
[[nodiscard]] inline std::string failureText(const std::exception& failure) {
    if (const auto* error = dynamic_cast<const oleaut::Error*>(&failure)) {
        return std::to_string(error->number()) + ": " + error->description();
    }
    return failure.what();
}
inline constexpr const char* kFailureTitle = "Error in DeleteLinks()";
inline constexpr const char* kEmptyList = "таблица '001_Таблицы АРМов пуста!'";
inline constexpr const char* kNoWorkstationFiles = "Файлов АРМов не найдено!";
[[nodiscard]] inline std::string relinkedMessage(int count) {
    return "Успешно присоединено " + std::to_string(count) + " АРМа!";
}
[[nodiscard]] inline std::string buildFailedMessage(const std::string& mdb,
                                                    const std::string& error) {
    return "Не удалось запустить сборку mde для " + mdb + ": " + error;
}

// The build script of one .mdb: it has Access compile the modules, make the .mde, deletes itself
// and opens the .mde. Paths stand in its literals with their quotes doubled.
inline constexpr const char* kScriptName = "CreateMDE.vbs";
inline constexpr const char* kScriptFolderPattern = "vendrel-XXXXXX";
[[nodiscard]] inline std::vector<std::string> buildScriptLines(const std::string& mdb,
                                                               const std::string& mde,
                                                               const std::string& script) {
    const auto quoted = [](const std::string& path) { return jetLiteral(path); };
    return {
        "Set AccMDE = CreateObject(\"Access.Application\")",
        "Set AccApp = GetObject(" + quoted(mdb) + ")",
        "AccApp.Application.SysCmd 504, 16483 ",
        "AccApp.DoCmd.Quit",
        "AccMDE.Application.SysCmd 603, " + quoted(mdb) + ", " + quoted(mde),
        "AccMDE.DoCmd.Quit",
        "Set FSO = CreateObject(\"Scripting.FileSystemObject\")",
        "Set File = fso.GetFile(" + quoted(script) + ")",
        "File.Delete",
        "Set WshShell = CreateObject(\"WScript.Shell\")",
        "WshShell.Run " + quoted(mde),
    };
}

}  // namespace vendrel::relinking
