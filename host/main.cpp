// kalvik: runs the Kalvik library's classes from a terminal, creating them as a front-end does.

#include <CLI/CLI.hpp>
#include <iostream>

#include "host/commands.hpp"
#include "host/variant_text.hpp"

namespace {

constexpr int kUsageError = 2;

constexpr const char* kArgumentHelp =
    "Each ARG is null, empty, true, false, int:N, long:N, single:X, double:X, cy:X,\n"
    "date:YYYY-MM-DD, date:YYYY-MM-DDTHH:MM[:SS] or str:TEXT; a bare number is a Double,\n"
    "a bare YYYY-MM-DD a Date, any other word a String. Every word after METHOD is an argument.";

}  // namespace

int main(int argc, char** argv) {
    // Every word after "call CLASS METHOD" is an argument, never an option ("-26" included), so
    // those words never reach the option parser.
    int parsed = argc;
    std::vector<std::string> words;
    if (argc > 4 && std::string_view(argv[1]) == "call") {
        words.assign(argv + 4, argv + argc);
        parsed = 4;
    }

    CLI::App app{"kalvik: runs the classes of the Kalvik library"};
    app.require_subcommand(1);
    app.failure_message(CLI::FailureMessage::help);

    std::string className, method;
    CLI::App* call =
        app.add_subcommand("call", "call one method by name, as a scripting client does");
    call->add_option("CLASS", className, "class identifier (Kalvik_dll.Ras_Vrem) or class name")
        ->required();
    call->add_option("METHOD", method, "method name")->required();
    call->footer(std::string("ARG...\n") + kArgumentHelp);

    std::string library = host::defaultLibraryFile().string();
    CLI::App* reg = app.add_subcommand("register", "register the library's classes");
    reg->add_option("LIBRARY", library, "library file (default: libkalvik.so beside kalvik)");
    CLI::App* unreg = app.add_subcommand("unregister", "remove the library's classes");
    unreg->add_option("LIBRARY", library, "library file (default: libkalvik.so beside kalvik)");
    std::string database = "kalvik-demo.db";
    CLI::App* demo =
        app.add_subcommand("demo", "build the demonstration database and run the library on it");
    demo->add_option("--db", database, "database file (default: kalvik-demo.db here)");
    int32_t consumers = 0;
    demo->add_option("--consumers", consumers,
                     "add N generated consumers with their outages, flushings and ventilation")
        ->check(CLI::PositiveNumber);

    try {
        app.parse(parsed, argv);
    } catch (const CLI::ParseError& e) {
        const int status = app.exit(e);
        return status == 0 ? 0 : kUsageError;
    }

    try {
        if (*call) return host::runCall(className, method, words);
    } catch (const host::UsageError& e) {
        std::cerr << e.what() << "\n\n" << call->help();
        return kUsageError;
    }
    if (*reg) return host::runRegister(library);
    if (*unreg) return host::runUnregister(library);
    if (*demo) {
        return host::runDemo(database, demo->count("--consumers") > 0
                                           ? std::optional<int32_t>(consumers)
                                           : std::nullopt);
    }
    return kUsageError;
}
