#pragma once
// Runs the built kalvik command with a registry file of its own in a temporary folder.

#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
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
};

}  // namespace kalvik_host_test
