#pragma once
// The server's own error numbers and the ADO errors that carry them.

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/ado/errors.hpp"
#include "platform/files/identity.hpp"
#include "platform/oleaut/error_text.hpp"

namespace sqlserver {

enum ServerError : int32_t {
    kServerNotFound = 17,        // the server does not answer
    kIncorrectSyntax = 102,      // a text the server does not understand
    kInvalidObjectName = 208,    // a table that is not there
    kPermissionDenied = 262,     // a statement the caller has no right to
    kEmptyName = 1038,           // an empty bracketed name
    kDatabaseExists = 1801,      // a restore under a taken name
    kFileInUse = 1834,           // a restore target another database or restore holds
    kFileClaimedTwice = 3176,    // both moves name one file of the backup
    kCannotOpenBackup = 3201,    // no backup file
    kFileNotInBackup = 3234,     // a move names a file the backup lacks
    kNotABackup = 3241,          // the file is no backup
    kCatalogueUnusable = 3417,   // a catalogue the server cannot use
    kCannotOpenDatabase = 4060,  // the connection names an unknown database
    kFileActivation = 5105,      // a physical name the server cannot resolve
    kCannotCreateFile = 5123,    // a file the system does not let the server make
    kDirectoryLookupFailed = 5133,
    kFileExists = 5170,
    kLoginNotTrusted = 18452,
};

[[nodiscard]] inline ado::ProviderError statementError(int32_t number, std::string message) {
    return ado::ProviderError(ado::adErrCommandFailed, std::move(message), number, "SQL Server");
}

[[nodiscard]] inline ado::ProviderError connectionError(int32_t number, std::string message) {
    return ado::ProviderError(ado::adErrProviderFailed, std::move(message), number, "SQL Server");
}

[[nodiscard]] inline ado::ProviderError timeoutError() {
    return ado::ProviderError(ado::adErrQueryTimeout, "Query timeout expired", 0, "SQL Server");
}

// A value as the server's messages quote it.
[[nodiscard]] inline std::string serverQuoted(const std::string& value) {
    return "'" + oleaut::echoed(value) + "'";
}

// A path as the server's messages quote it: a long one is cut in its middle, the file's own name
// whole.
[[nodiscard]] inline std::string serverQuotedPath(const std::string& path) {
    return "'" + oleaut::echoedPath(path) + "'";
}

// A restore under a name that a database or another restore under way has.
[[nodiscard]] inline ado::ProviderError databaseExistsError(const std::string& name) {
    return statementError(kDatabaseExists, "Database " + serverQuoted(name) +
                                               " already exists. Choose a different database "
                                               "name.");
}

// A restore target that a database's file or a restore under way holds.
[[nodiscard]] inline ado::ProviderError fileInUseError(const std::string& path) {
    return statementError(kFileInUse, "The file " + serverQuotedPath(path) +
                                          " cannot be overwritten. It is being used by another "
                                          "database.");
}

// A physical name the server would have to resolve against its client's folder (empty or
// relative): it resolves none.
[[nodiscard]] inline ado::ProviderError fileActivationError(const std::string& physicalName) {
    return statementError(kFileActivation,
                          "A file activation error occurred. The physical file name " +
                              serverQuotedPath(physicalName) +
                              " may be incorrect. Diagnose and correct additional errors, and "
                              "retry the operation.");
}

// A file the server could not make or write, named as the statement gave it, with the system's
// reason: one that exists, one in a folder that is not there, or any other. A side file of a
// target (`beside`, when not empty) says which file it stands beside.
[[nodiscard]] inline ado::ProviderError cannotCreateFileError(const std::string& path,
                                                              int systemError,
                                                              const std::string& beside = {}) {
    const std::string quoted = serverQuotedPath(path);
    const std::string besideQuoted = beside.empty() ? "" : serverQuotedPath(beside);
    if (systemError == EEXIST) {
        return statementError(kFileExists,
                              "Cannot create file " + quoted + " because it already exists" +
                                  (beside.empty() ? "" : ": it stands beside " + besideQuoted) +
                                  ". Change the file path or the file name, and retry the "
                                  "operation.");
    }
    const std::string besideSentence =
        beside.empty() ? "" : " It stands beside " + besideQuoted + ".";
    if (systemError == ENOENT || systemError == ENOTDIR) {
        return statementError(kDirectoryLookupFailed,
                              "Directory lookup for the file \"" + oleaut::echoedPath(path) +
                                  "\" failed with the operating system error 3(The system cannot "
                                  "find the path specified.)." +
                                  besideSentence);
    }
    return statementError(kCannotCreateFile,
                          "CREATE FILE encountered operating system error " +
                              std::to_string(systemError) + "(" +
                              std::generic_category().message(systemError) +
                              ") while attempting to open or create the physical file " + quoted +
                              "." + besideSentence);
}

// What firstPresent found at a target or beside it, as the error a restore fails with.
[[nodiscard]] inline ado::ProviderError presentFileError(const std::string& target,
                                                         const files::Presence& present) {
    return cannotCreateFileError(present.path.string(), present.error,
                                 present.sideFile ? target : std::string());
}

// A restore's file that could not be placed at its target as a second name of its copy because
// the folder's file system makes no hard links (FAT, some shares): the system's error and why.
[[nodiscard]] inline ado::ProviderError noHardLinksError(const std::string& path, int systemError) {
    ado::ProviderError error = cannotCreateFileError(path, systemError);
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return statementError(error.nativeError(), error.description() + " The folder " +
                                                   serverQuotedPath(folder) +
                                                   " does not allow hard links.");
}

// A restore's file that could not be placed at its target because the target's path no longer
// leads to the folder the restore made its copy in: the folder was renamed or replaced meanwhile.
[[nodiscard]] inline ado::ProviderError folderMovedError(const std::string& path) {
    return statementError(kCannotCreateFile,
                          "Cannot create file " + serverQuotedPath(path) +
                              " because its folder was moved or replaced during the restore.");
}

// A table that is not there, as ADO tells it whatever the provider.
[[nodiscard]] inline ado::ProviderError noTableError(const std::string& name) {
    return ado::ProviderError(ado::adErrNoTable, "Invalid object name " + serverQuoted(name) + ".",
                              kInvalidObjectName, "SQL Server");
}

}  // namespace sqlserver
