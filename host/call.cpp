// kalvik call CLASS METHOD [ARG...]: creates the object through the registry as a scripting client
// does and calls the method by name, every argument by reference in its own variable.

#include <iostream>

#include "host/commands.hpp"
#include "host/variant_text.hpp"
#include "platform/com/inproc_server.hpp"

namespace host {

oleaut::Variant callMethod(const com::Registry& registry, const std::string& className,
                           const std::string& method, std::vector<oleaut::Variant>& variables) {
    std::vector<oleaut::Variant*> arguments;
    for (oleaut::Variant& variable : variables)
        arguments.push_back(&variable);
    const auto object = com::createObject(registry, className);
    return com::callByName(*object, method, arguments);
}

void printOutcome(std::ostream& out, const oleaut::Variant& result,
                  const std::vector<oleaut::Variant>& variables, std::string_view indent) {
    out << indent << "result: " << describe(result) << '\n';
    for (size_t i = 0; i < variables.size(); ++i)
        out << indent << "arg " << i + 1 << ": " << describe(variables[i]) << '\n';
}

int runCall(const std::string& className, const std::string& method,
            const std::vector<std::string>& words) {
    // Read before the call's error handling: a word that is no argument is a usage error.
    std::vector<oleaut::Variant> variables;
    for (const std::string& word : words)
        variables.push_back(parseArgument(word));
    try {
        const com::Registry registry = com::Registry::load(com::registryPath());
        const oleaut::Variant result = callMethod(registry, className, method, variables);
        printOutcome(std::cout, result, variables, "");
        return 0;
    } catch (...) {
        return reportError();
    }
}

}  // namespace host
