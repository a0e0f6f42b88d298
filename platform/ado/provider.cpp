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

}  // namespace

void registerProvider(const std::string& name, ProviderFactory factory) {
    providers()[asciiLower(name)] = std::move(factory);
}

std::unique_ptr<Session> openSession(const std::string& connectionString,
                                     const std::string& userId) {
    const ConnectionString parsed = ConnectionString::parse(connectionString);
    const auto provider = parsed.get("Provider");
    if (!provider || provider->empty()) {
        throw adoError(adErrProviderNotFound,
                       "connection string " + inQuotes(maskedConnectionString(connectionString)) +
                           " names no Provider",
                       "ADODB.Connection");
    }
    const auto found = providers().find(asciiLower(*provider));
    if (found == providers().end()) {
        throw adoError(adErrProviderNotFound,
                       "Provider cannot be found: " + inQuotes(*provider) + " is not installed",
                       "ADODB.Connection");
    }
    SessionIdentity identity;
    identity.userId = userId.empty() ? parsed.getOr("User ID", parsed.getOr("UID", "")) : userId;
    identity.applicationName = parsed.getOr("Application Name", "");
    return found->second(parsed, identity);
}

}  // namespace ado
