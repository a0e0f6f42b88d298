// SQL functions of the embedded database that procedures written for the server use: who is
// connected (HOST_NAME, SUSER_SNAME, APP_NAME), the current time (GETDATE) and date literals
// (OLE_DATE('2009-01-31')), dates being stored as OLE date numbers.

#include <pwd.h>
#include <unistd.h>

#include <cerrno>  // program_invocation_short_name
#include <cstdlib>
#include <string>

#include "platform/ado/sqlite_database.hpp"
#include "platform/oleaut/datetime.hpp"

namespace ado::sqlite {
namespace {

std::string hostName() {
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0) return "localhost";
    return name;
}

std::string systemUser() {
    if (const passwd* entry = getpwuid(geteuid()); entry && entry->pw_name) return entry->pw_name;
    for (const char* variable : {"USER", "LOGNAME"}) {
        if (const char* value = std::getenv(variable); value && *value) return value;
    }
    return std::to_string(geteuid());
}

std::string executableName() {
    return program_invocation_short_name;
}

void resultText(sqlite3_context* context, const std::string& text) {
    sqlite3_result_text(context, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

const SessionIdentity* identityOf(sqlite3_context* context) {
    return static_cast<Database*>(sqlite3_user_data(context))->identity();
}

void hostNameFunction(sqlite3_context* context, int, sqlite3_value**) {
    resultText(context, hostName());
}

void userFunction(sqlite3_context* context, int, sqlite3_value**) {
    const SessionIdentity* identity = identityOf(context);
    resultText(context, identity && !identity->userId.empty() ? identity->userId : systemUser());
}

void applicationFunction(sqlite3_context* context, int, sqlite3_value**) {
    const SessionIdentity* identity = identityOf(context);
    resultText(context, identity && !identity->applicationName.empty() ? identity->applicationName
                                                                       : executableName());
}

void nowFunction(sqlite3_context* context, int, sqlite3_value**) {
    sqlite3_result_double(context, oleaut::Now().value);
}

// OLE_DATE('2009-01-31'), OLE_DATE('2009-01-31 08:30[:15]').
void oleDateFunction(sqlite3_context* context, int, sqlite3_value** arguments) {
    if (sqlite3_value_type(arguments[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(arguments[0]));
    try {
        sqlite3_result_double(context,
                              oleaut::parseDate(text, oleaut::RegionalSettings::invariant()).value);
    } catch (const oleaut::Error&) {
        sqlite3_result_error(context, ("OLE_DATE: not a date: " + std::string(text)).c_str(), -1);
    }
}

}  // namespace

void registerFunctions(Database& database) {
    struct Function {
        const char* name;
        int arguments;
        int flags;
        void (*body)(sqlite3_context*, int, sqlite3_value**);
    };
    constexpr int kConstant = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    const Function functions[] = {
        {"HOST_NAME", 0, SQLITE_UTF8, hostNameFunction},
        {"SUSER_SNAME", 0, SQLITE_UTF8, userFunction},
        {"APP_NAME", 0, SQLITE_UTF8, applicationFunction},
        {"GETDATE", 0, SQLITE_UTF8, nowFunction},
        {"OLE_DATE", 1, kConstant, oleDateFunction},
    };
    for (const Function& f : functions) {
        const int rc = sqlite3_create_function_v2(database.handle(), f.name, f.arguments, f.flags,
                                                  &database, f.body, nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK) raise(database.handle(), rc, std::string("registering ") + f.name);
    }
}

}  // namespace ado::sqlite
