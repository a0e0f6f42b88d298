#pragma once
// Runs the built kalvik command with a registry file of its own in a temporary folder.

#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "tests/support/temporary_directory.hpp"

namespace kalvik_host_test {

using testing_support::TemporaryDirectory;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

// One run of the command: its words, and the exit status and output it must give.
struct Expected {
    std::vector<std::string> words;
    int status;
    std::string out;
    std::string err;
};

class KalvikCommand : public ::testing::Test {
  protected:
    TemporaryDirectory folder;
    std::filesystem::path registry = folder.path() / "registry";

    Outcome run(const std::vector<std::string>& words) {
        std::string command = "KALVIK_REGISTRY='" + registry.string() + "' '" KALVIK_HOST_FILE "'";
        for (const std::string& word : words)
            command += " '" + word + "'";
        const auto out = folder.path() / "out", err = folder.path() / "err";
        command += " >'" + out.string() + "' 2>'" + err.string() + "'";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, testing_support::fileContents(out),
                testing_support::fileContents(err)};
    }

    // Runs each case with `prefix` before its words ("call", a class).
    void expectOutcomes(const std::vector<std::string>& prefix, std::span<const Expected> cases) {
        for (const Expected& c : cases) {
            std::vector<std::string> words = prefix;
            words.insert(words.end(), c.words.begin(), c.words.end());
            SCOPED_TRACE(::testing::PrintToString(words));
            const Outcome outcome = run(words);
            EXPECT_EQ(outcome.status, c.status);
            EXPECT_EQ(outcome.out, c.out);
            EXPECT_EQ(outcome.err, c.err);
        }
    }
};

}  // namespace kalvik_host_test
