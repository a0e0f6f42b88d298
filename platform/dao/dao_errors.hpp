#pragma once
// The engine's error numbers, with the engine as the errors' source.

#include <cstdint>
#include <string>

#include "platform/oleaut/error.hpp"
#include "platform/oleaut/error_text.hpp"
#include "platform/oleaut/text.hpp"

namespace dao {

enum ErrorNumber : int32_t {
    kInvalidArgument = 3001,
    kTooManyTransactions = 3003,
    kObjectNotFound = 3011,      // a link's source table
    kObjectExists = 3012,        // a table definition's name is taken
    kFileNotFound = 3024,        // no such workstation file
    kNoTransaction = 3034,       // a commit or rollback without a transaction
    kInputTableNotFound = 3078,  // a statement's table is not there
    kInvalidStatement = 3129,    // a text the engine does not understand
    kOdbcConnectionFailed = 3151,
    kDatabaseExists = 3204,  // a compaction's destination
    kItemNotFound = 3265,    // a column or item of a collection
    kPrimaryKeyExists = 3283,
    kIndexExists = 3375,
    kTableNotFound = 3376,
    kObjectInvalid = 3420,       // a closed database
    kUnrecognizedFormat = 3343,  // a file that is no workstation file
};

[[nodiscard]] inline oleaut::Error daoError(int32_t number, std::string description) {
    return oleaut::Error(number, std::move(description), "DAO.Database");
}

// A name or text as the engine's messages quote it.
[[nodiscard]] inline std::string jetQuoted(std::string_view text) {
    return "'" + oleaut::echoed(text) + "'";
}

// A path as the engine's messages quote it: a long one is cut in its middle, the file's own name
// whole.
[[nodiscard]] inline std::string jetQuotedPath(std::string_view path) {
    return "'" + oleaut::echoedPath(path) + "'";
}

}  // namespace dao
