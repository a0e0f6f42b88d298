#pragma once
// The commands of the kalvik host. Each returns the process's exit status: 0 success, 1 a failed
// call or a missing registration, library, class or method (one error line on standard error).

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/registry.hpp"
#include "platform/oleaut/variant.hpp"

namespace host {

// libkalvik.so beside the kalvik executable.
std::filesystem::path defaultLibraryFile();

// Prints "error NUMBER: DESCRIPTION" for the exception being handled and returns 1.
int reportError();

// Creates the class through registry and calls method with variables as its by-reference
// arguments; throws the call's error.
oleaut::Variant callMethod(const com::Registry& registry, const std::string& className,
                           const std::string& method, std::vector<oleaut::Variant>& variables);
// "result: TYPE VALUE", then "arg N: TYPE VALUE" per argument, each line after indent.
void printOutcome(std::ostream& out, const oleaut::Variant& result,
                  const std::vector<oleaut::Variant>& variables, std::string_view indent);

// Calls a method through the registered library and returns its seconds; a failure prints its
// error and gives none.
std::optional<double> timedCall(const com::Registry& registry, const char* className,
                                const char* method, std::vector<oleaut::Variant>& arguments);

// The number of rows of a table of the database.
int32_t tableRows(const std::string& connectionString, const std::string& table);

int runCall(const std::string& className, const std::string& method,
            const std::vector<std::string>& words);
int runRegister(const std::filesystem::path& libraryFile);
int runUnregister(const std::filesystem::path& libraryFile);
// Builds the demonstration database in the file, with that many generated consumers more when
// given, and runs the library on it.
int runDemo(const std::string& databaseFile, std::optional<int32_t> generatedConsumers);

}  // namespace host
