#pragma once
// What the installer sends to the database server and the messages it shows about it. Text typed
// into a field goes into a string literal with its quotes doubled, into the restored database's
// bracketed name with "]" doubled, and into a connection string in braces when it could end its
// value there; other text goes out as typed.

#include <string>

namespace vendrel {

// Seconds a statement may take; the restore may take longer.
inline constexpr int kCommandTimeout = 15;
inline constexpr int kRestoreTimeout = 600;

namespace texts {

// A text with every occurrence of one character doubled.
[[nodiscard]] inline std::string doubling(const std::string& text, char doubled) {
    std::string result;
    for (char c : text) {
        result += c;
        if (c == doubled) result += c;
    }
    return result;
}

// The text as a string literal of the server's SQL.
[[nodiscard]] inline std::string literal(const std::string& text) {
    return "'" + doubling(text, '\'') + "'";
}

// A database name as an identifier of the server's SQL.
[[nodiscard]] inline std::string bracketed(const std::string& name) {
    return "[" + doubling(name, ']') + "]";
}

// A connection string's value: in braces when it holds what would end it or open a brace, or
// blanks at an end that would be trimmed.
[[nodiscard]] inline std::string connectionValue(const std::string& value) {
    const bool blankAtEnd = !value.empty() && (value.front() == ' ' || value.back() == ' ');
    if (!blankAtEnd && value.find_first_of(";{}") == std::string::npos) return value;
    return "{" + doubling(value, '}') + "}";
}

}  // namespace texts

// Connection strings: one database of the server, and its master database.
[[nodiscard]] inline std::string databaseConnection(const std::string& server,
                                                    const std::string& database) {
    return "Driver={SQL Server};Trusted_Connection=Yes;Server=" + texts::connectionValue(server) +
           ";Database=" + texts::connectionValue(database) + ";";
}
[[nodiscard]] inline std::string masterConnection(const std::string& server) {
    return databaseConnection(server, "master");
}

// The rights the installer needs, each with the message telling that it is refused.
struct Right {
    const char* name;
    const char* refusal;
};
inline constexpr Right kNeededRights[] = {
    {"CONNECT", "У вас нет прав доступа на подключение к базе данных!"},
    {"CREATE DATABASE", "У вас нет прав на создание базы данных!"},
};

// A row when the caller holds the right.
[[nodiscard]] inline std::string permissionQuery(const Right& right) {
    return std::string("select * from sys.fn_my_permissions(NULL, 'DATABASE') ") +
           "where ([permission_name] = " + texts::literal(right.name) + "); ";
}

inline constexpr const char* kDatabasesQuery = "select * from sys.databases";

// A row when the database exists.
[[nodiscard]] inline std::string databaseQuery(const std::string& name) {
    return "select * from sys.databases where (name = " + texts::literal(name) + ")";
}

// The backup's files, the data file first.
[[nodiscard]] inline std::string fileListQuery(const std::string& backup) {
    return "RESTORE FILELISTONLY FROM DISK = " + texts::literal(backup) + " WITH FILE=1; ";
}

// The files catalogued at a path.
[[nodiscard]] inline std::string masterFilesQuery(const std::string& physicalName) {
    return "select * from  sys.master_files where physical_name = " + texts::literal(physicalName);
}

// One file of a backup and where the restore puts it.
struct FileMove {
    std::string logicalName;
    std::string physicalName;
};

[[nodiscard]] inline std::string restoreStatement(const std::string& name,
                                                  const std::string& backup, const FileMove& data,
                                                  const FileMove& log) {
    return "RESTORE DATABASE " + texts::bracketed(name) + " FROM DISK = " + texts::literal(backup) +
           "With Move " + texts::literal(data.logicalName) + " TO " +
           texts::literal(data.physicalName) + ",Move " + texts::literal(log.logicalName) + " TO " +
           texts::literal(log.physicalName);
}

inline constexpr const char* kServerNotFound = "Не удалось найти сервер с таким названием!";

// The failed check's message, with the server's below it: a refused login reads apart from a
// missing server.
[[nodiscard]] inline std::string serverCheckFailedMessage(const std::string& serverMessage) {
    return std::string(kServerNotFound) + "\n" + serverMessage;
}

[[nodiscard]] inline std::string databaseExistsMessage(const std::string& name,
                                                       const std::string& server) {
    return "База данных с именем " + name + " Уже существует на сервере " + server +
           ", измените имя БД!";
}

// A name whose files would not lie directly in the data folder.
[[nodiscard]] inline std::string nameLeavesFolderMessage(const std::string& name,
                                                         const std::string& folder) {
    return "Имя БД " + name + " содержит \"/\": файлы БД должны лежать прямо в папке " + folder +
           ", измените имя БД!";
}

[[nodiscard]] inline std::string fileExistsMessage(const std::string& path) {
    return "Файл " + path + " уже существует";
}

[[nodiscard]] inline std::string restoredMessage(const std::string& name,
                                                 const std::string& server) {
    return "База данных " + name + " была успешно восстановлена на сервере " + server + "!";
}

[[nodiscard]] inline std::string restoreFailedMessage(const std::string& name,
                                                      const std::string& server,
                                                      const std::string& serverMessage) {
    return "Не удалось восстановить базу данных " + name + " на сервере " + server + ":\n" +
           serverMessage;
}

}  // namespace vendrel
