#include "platform/com/registry.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <thread>
#include <vector>

#include "platform/com/inproc_server.hpp"
#include "platform/oleaut/error.hpp"
#include "tests/support/error_number.hpp"
#include "tests/support/temporary_directory.hpp"

namespace {

using testing_support::ScopedEnvironment;
using testing_support::TemporaryDirectory;

TEST(Registry, FileLocationFromTheEnvironment) {
    struct Case {
        std::optional<std::string> registry, xdg, home;
        const char* expected;
    };
    const Case cases[] = {
        {"/r/file", "/x", "/h", "/r/file"},
        {std::nullopt, "/x", "/h", "/x/kalvik/registry"},
        {"", "/x", "/h", "/x/kalvik/registry"},
        {std::nullopt, std::nullopt, "/h", "/h/.config/kalvik/registry"},
        {std::nullopt, "", "/h", "/h/.config/kalvik/registry"},
    };
    for (const Case& c : cases) {
        ScopedEnvironment registry("KALVIK_REGISTRY", c.registry);
        ScopedEnvironment xdg("XDG_CONFIG_HOME", c.xdg);
        ScopedEnvironment home("HOME", c.home);
        EXPECT_EQ(com::registryPath(), c.expected);
    }
}

TEST(Registry, KeepsEntriesThroughTheFile) {
    TemporaryDirectory folder;
    const auto file = folder.path() / "sub" / "registry";
    EXPECT_TRUE(com::Registry::load(file).entries().empty());
    com::Registry registry;
    registry.set("A\\CLSID", "{1}");
    registry.set("A", "value with = sign and blanks ");
    registry.set("CLSID\\{1}\\InprocServer32", "/path with blanks/lib.so");
    registry.save(file);
    const com::Registry read = com::Registry::load(file);
    EXPECT_EQ(read.entries(), registry.entries());
    EXPECT_EQ(read.value("A"), "value with = sign and blanks ");
    EXPECT_EQ(read.value("B"), std::nullopt);
}

TEST(Registry, RemovesAKeyWithEverythingBelowItOnly) {
    com::Registry registry;
    for (const char* key : {"CLSID\\{1}", "CLSID\\{1}\\InprocServer32", "CLSID\\{1}\\A\\B",
                            "CLSID\\{1}X", "CLSID\\{2}", "Other"})
        registry.set(key, "v");
    registry.removeTree("CLSID\\{1}");
    std::vector<std::string> left;
    for (const auto& entry : registry.entries())
        left.push_back(entry.first);
    EXPECT_EQ(left, (std::vector<std::string>{"CLSID\\{1}X", "CLSID\\{2}", "Other"}));
    registry.removeTree("Absent");
    EXPECT_EQ(registry.entries().size(), 3u);
}

TEST(Registry, MalformedLineFails) {
    TemporaryDirectory folder;
    const auto file = folder.path() / "registry";
    std::ofstream(file) << "# comment\n\nA = 1\nno separator here\n";
    EXPECT_EQ(kalvik::test::errorNumberOf([&] { com::Registry::load(file); }),
              oleaut::kPathFileAccessError);
}

TEST(Registry, AFolderIsNoRegistry) {
    TemporaryDirectory folder;
    try {
        com::Registry::load(folder.path());
        ADD_FAILURE() << "a folder was read";
    } catch (const oleaut::Error& e) {
        EXPECT_EQ(e.number(), oleaut::kPathFileAccessError);
        EXPECT_NE(e.description().find("is a folder"), std::string::npos) << e.description();
    }
}

TEST(Registry, AnAmbiguousBareNameSaysSo) {
    com::Registry registry;
    registry.set("Kalvik_dll.Potr\\CLSID", "{2}");
    registry.set("Other.Potr\\CLSID", "{3}");
    try {
        com::createObject(registry, "Potr");
        ADD_FAILURE() << "an ambiguous name created an object";
    } catch (const oleaut::Error& e) {
        EXPECT_NE(
            e.description().find("Potr is ambiguous: it may mean Kalvik_dll.Potr, Other.Potr"),
            std::string::npos)
            << e.description();
    }
}

TEST(Registry, WritersAtOnceEachReplaceTheWholeFile) {
    TemporaryDirectory folder;
    const auto file = folder.path() / "registry";
    constexpr int kWriters = 8;
    std::vector<std::thread> writers;
    std::atomic<int> failures{0};
    for (int w = 0; w < kWriters; ++w) {
        writers.emplace_back([&, w] {
            com::Registry registry;
            registry.set("Writer", std::to_string(w));
            try {
                for (int i = 0; i < 20; ++i)
                    registry.save(file);
            } catch (const oleaut::Error&) {
                ++failures;
            }
        });
    }
    for (std::thread& writer : writers)
        writer.join();
    EXPECT_EQ(failures, 0);
    EXPECT_TRUE(com::Registry::load(file).value("Writer").has_value());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);  // no temporary file left behind
}

TEST(Registry, ClassIdentifierOfABareOrQualifiedName) {
    com::Registry registry;
    registry.set("Kalvik_dll.Ras_Vrem\\CLSID", "{1}");
    registry.set("Kalvik_dll.Ras_Vrem", "Ras_Vrem");
    registry.set("Kalvik_dll.Potr\\CLSID", "{2}");
    registry.set("Other.Potr\\CLSID", "{3}");
    registry.set("CLSID\\{9}\\CLSID", "{9}");
    struct Case {
        const char* name;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {"Kalvik_dll.Ras_Vrem", "Kalvik_dll.Ras_Vrem"},
        {"kalvik_dll.ras_vrem", "Kalvik_dll.Ras_Vrem"},
        {"Ras_Vrem", "Kalvik_dll.Ras_Vrem"},
        {"Vrem", std::nullopt},
        {"Potr", std::nullopt},  // two libraries have one: the name is ambiguous
        {"Other.Potr", "Other.Potr"},
        {"Kalvik_dll.Nothing", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(com::findClassIdentifier(registry, c.name), c.expected) << c.name;
}

}  // namespace
