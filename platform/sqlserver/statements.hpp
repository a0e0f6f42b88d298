#pragma once
// The statement texts the server understands, whole and byte for byte; their literals are read
// out and bound, never run as text. Any other text is a syntax error.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sqlserver {

enum class StatementKind {
    Permission,              // the caller's right of a name
    Databases,               // every catalogued database
    DatabaseByName,          // the database of a name
    FileList,                // the files a backup holds
    MasterFiles,             // the catalogued files at a path
    Restore,                 // a database from a backup, its files moved
    StampWorkstationTables,  // server and database into the workstations' table list
    WorkstationTables,       // the tables a workstation links
    TableRequest,            // a table by name
};

struct Statement {
    StatementKind kind;
    std::vector<std::string> values;  // the literals and names, in the text's order
};

// What a text is, with its values; nothing when it is none of the statements. An empty bracketed
// name ("[]", or blanks only) fails with 1038, as the server refuses it before it runs anything;
// a name or literal that is not UTF-8 with 102.
[[nodiscard]] std::optional<Statement> parseStatement(std::string_view text);

}  // namespace sqlserver
