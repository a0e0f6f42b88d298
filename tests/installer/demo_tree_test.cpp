// The start command the demonstration tree's builder prints runs as pasted into a shell, whatever
// the tree's folder is named.

#include "installer/demo_tree/tree.hpp"

#include "tests/support/temporary_directory.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace vendrel::demo_tree {
namespace {

namespace fs = std::filesystem;

// What a shell prints running the command.
std::string shellOutput(const std::string& command) {
    std::string output;
    FILE* shell = popen(command.c_str(), "r");
    if (shell == nullptr) return output;
    char chunk[256];
    for (std::size_t n; (n = fread(chunk, 1, sizeof chunk, shell)) > 0;)
        output.append(chunk, n);
    pclose(shell);
    return output;
}

TEST(DemoTreeStartCommand, RunsAsPastedWhateverTheFolderHolds) {
    testing_support::TemporaryDirectory temporary;
    for (const char* name :
         {"plain", "with blank", "it's", "\"quoted\" $HOME `date` ;&|*", "дерево\\демо"}) {
        const fs::path folder = temporary.path() / name;
        fs::create_directories(folder);
        // A stand-in for the installer that tells what it was started with.
        const fs::path program = folder / "vendrel";
        std::ofstream(program) << "#!/bin/sh\nprintf '%s|%s' \"$KALVIK_SQLSERVER_ROOT\" \"$0\"\n";
        fs::permissions(program, fs::perms::owner_all);
        EXPECT_EQ(shellOutput(startCommand(folder)),
                  (folder / "server").string() + "|" + program.string())
            << name;
    }
}

}  // namespace
}  // namespace vendrel::demo_tree
