#pragma once
// The server's own error numbers and the ADO errors that carry them.

#include <cstdint>
#include <string>

#include "platform/ado/errors.hpp"

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

// A table that is not there, as ADO tells it whatever the provider.
[[nodiscard]] inline ado::ProviderError noTableError(const std::string& name) {
    return ado::ProviderError(ado::adErrNoTable, "Invalid object name " + serverQuoted(name) + ".",
                              kInvalidObjectName, "SQL Server");
}

}  // namespace sqlserver
