#include "platform/ado/provider.hpp"

#include <map>

#include "platform/ado/errors.hpp"
#include "platform/ado/sqlite_provider.hpp"

namespace ado {
namespace {

std::map<std::string, ProviderFactory>& providers() {
    static std::map<std::string, ProviderFactory> registry{{"sqlite", openSqliteSession}};
    return registry;
}

// ADO's provider for ODBC drivers, the one a string without Provider goes to.
constexpr const char* kOdbcProvider = "MSDASQL";

std::map<std::string, ProviderFactory>& odbcDrivers() {
    static std::map<std::string, ProviderFactory> registry;
    return registry;
}

const ProviderFactory& registered(const std::string& provider) {
    const auto found = providers().find(asciiLower(provider));
    if (found == providers().end()) {
        throw adoError(adErrProviderNotFound,
                       "Provider cannot be found: " + inQuotes(provider) + " is not installed",
                       "ADODB.Connection");
    }
    return found->second;
}

const ProviderFactory& odbcDriver(const ConnectionString& parsed, const std::string& text) {
    const std::string driver = parsed.getOr("Driver", "");
    const auto found = odbcDrivers().find(asciiLower(driver));
    if (driver.empty() || found == odbcDrivers().end()) {
        throw adoError(
            adErrProviderFailed,
            "Data source name not found and no default driver specified: " +
                (driver.empty() ? std::string("connection string ")
                                : "driver " + inQuotes(driver) + " of ") +
                inQuotes(maskedConnectionString(text)) +
                (driver.empty() ? " names no Provider and no Driver" : " is not installed"),
            "Microsoft OLE DB Provider for ODBC Drivers");
    }
    return found->second;
}

}  // namespace

void registerOdbcDriver(const std::string& name, ProviderFactory driver) {
    odbcDrivers()[asciiLower(name)] = std::move(driver);
}

void registerProvider(const std::string& name, ProviderFactory factory) {
    providers()[asciiLower(name)] = std::move(factory);
}

std::unique_ptr<Session> openSession(const std::string& connectionString,
                                     const std::string& userId) {
    const ConnectionString parsed = ConnectionString::parse(connectionString);
    const auto provider = parsed.get("Provider");
    const ProviderFactory& open =
        !provider || provider->empty() || equalsIgnoringAsciiCase(*provider, kOdbcProvider)
            ? odbcDriver(parsed, connectionString)
            : registered(*provider);
    SessionIdentity identity;
    identity.userId = userId.empty() ? parsed.getOr("User ID", parsed.getOr("UID", "")) : userId;
    identity.applicationName = parsed.getOr("Application Name", "");
    return open(parsed, identity);
}

}  // namespace ado
