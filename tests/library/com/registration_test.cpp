// The library's entry points as a client reaches them: the built libkalvik.so loaded with dlopen,
// registering into a temporary registry file.

#include <gtest/gtest.h>

#include "platform/ado/constants.hpp"
#include "platform/com/inproc_server.hpp"
#include "tests/library/com/class_rows.hpp"
#include "tests/support/temporary_directory.hpp"

namespace {

using kalvik::testing::ClassRow;
using kalvik::testing::kClassRows;
using testing_support::ScopedEnvironment;
using testing_support::TemporaryDirectory;

constexpr char kLibraryId[] = "{C5347967-9617-47D9-B556-EB53C351AD57}";

class Registration : public ::testing::Test {
  protected:
    TemporaryDirectory folder;
    std::filesystem::path registryFile = folder.path() / "registry";
    ScopedEnvironment environment{"KALVIK_REGISTRY", registryFile.string()};
    std::filesystem::path libraryFile = std::filesystem::canonical(KALVIK_LIBRARY_FILE);
    com::InprocServer library{libraryFile};
};

TEST_F(Registration, WritesTheEntriesOfEveryClass) {
    library.registerServer();
    const com::Registry registry = com::Registry::load(registryFile);
    for (const ClassRow& row : kClassRows) {
        SCOPED_TRACE(row.identifier);
        const std::string name = std::string(row.identifier).substr(11);
        const std::string clsid = std::string("CLSID\\") + row.clsid;
        const std::string version = name == "Ras_Potr" ? "1.1" : "1.0";
        EXPECT_EQ(registry.value(std::string(row.identifier) + "\\CLSID"), row.clsid);
        EXPECT_EQ(registry.value(clsid), row.identifier);
        EXPECT_EQ(registry.value(clsid + "\\ProgID"), row.identifier);
        EXPECT_EQ(registry.value(clsid + "\\InprocServer32"), libraryFile.string());
        EXPECT_EQ(registry.value(clsid + "\\InprocServer32\\ThreadingModel"), "Apartment");
        EXPECT_EQ(registry.value(clsid + "\\TypeLib"), kLibraryId);
        EXPECT_EQ(registry.value(clsid + "\\VERSION"), version);
        const std::string iid = std::string("Interface\\") + row.iid;
        EXPECT_EQ(registry.value(iid), "_" + name);
        EXPECT_EQ(registry.value(iid + "\\TypeLib"), kLibraryId);
    }
    EXPECT_EQ(registry.value(std::string("Interface\\") + kalvik::testing::kRasPotrAlias),
              "Ras_Potr___v0");
    const std::string typeLibrary = std::string("TypeLib\\") + kLibraryId + "\\1.1";
    EXPECT_EQ(registry.value(typeLibrary), "Kalvik_dll");
    EXPECT_EQ(registry.value(typeLibrary + "\\0\\linux"), libraryFile.string());
}

TEST_F(Registration, RegisterTwiceUnregisterAndRegisterAgain) {
    // An entry of some other library stays through all of it.
    com::Registry other;
    other.set("Other.Thing\\CLSID", "{00000000-0000-0000-0000-000000000001}");
    other.save(registryFile);

    library.registerServer();
    const std::string once = testing_support::fileContents(registryFile);
    library.registerServer();
    EXPECT_EQ(testing_support::fileContents(registryFile), once);

    library.unregisterServer();
    const com::Registry afterUnregister = com::Registry::load(registryFile);
    EXPECT_EQ(afterUnregister.entries(), other.entries());
    // Unregistering what is absent succeeds and changes nothing.
    EXPECT_NO_THROW(library.unregisterServer());
    EXPECT_EQ(com::Registry::load(registryFile).entries(), other.entries());

    library.registerServer();
    EXPECT_EQ(testing_support::fileContents(registryFile), once);
}

TEST_F(Registration, ObjectsAreCreatedThroughTheRegistryAndCountedForUnloading) {
    library.registerServer();
    const com::Registry registry = com::Registry::load(registryFile);
    EXPECT_TRUE(library.canUnloadNow());
    for (const char* name :
         {"Kalvik_dll.Potr", "Potr", "kalvik_dll.potr", "{91A777E5-670F-406B-9E4D-4E1D43BDEEF8}"}) {
        SCOPED_TRACE(name);
        auto object = com::createObject(registry, name);
        ASSERT_TRUE(object);
        EXPECT_FALSE(library.canUnloadNow());
        oleaut::Variant connection = "x", digits = int16_t{0}, control;
        std::vector<oleaut::Variant*> args{&connection, &digits, &digits, &digits, &control};
        try {
            com::callByName(*object, "Calc_Potr_13_11_04", args);
            FAIL() << "Calc_Potr_13_11_04 opened a malformed connection string";
        } catch (const oleaut::Error& e) {
            EXPECT_EQ(e.number(), ado::adErrInvalidConnection);
        }
        object.reset();
        EXPECT_TRUE(library.canUnloadNow());
    }
    const auto factory = library.classFactory(com::Guid::parse(kClassRows[0].clsid));
    EXPECT_EQ(factory->LockServer(true), com::kOk);
    EXPECT_FALSE(library.canUnloadNow());
    EXPECT_EQ(factory->LockServer(false), com::kOk);
    EXPECT_TRUE(library.canUnloadNow());
}

TEST_F(Registration, ClassesThatCannotBeCreated) {
    struct Case {
        const char* name;
        const char* description;
    };
    const Case cases[] = {
        {"Kalvik_dll.Nothing",
         "ActiveX component can't create object: Kalvik_dll.Nothing is not registered"},
        {"Potr", "ActiveX component can't create object: Potr is not registered"},
        {"{91A777E5-670F-406B-9E4D-4E1D43BDEEF8}",
         "ActiveX component can't create object: {91A777E5-670F-406B-9E4D-4E1D43BDEEF8} has no "
         "library registered"},
    };
    const com::Registry empty;
    for (const Case& c : cases) {
        try {
            com::createObject(empty, c.name);
            FAIL() << c.name;
        } catch (const oleaut::Error& e) {
            EXPECT_EQ(e.number(), oleaut::kCannotCreateObject);
            EXPECT_EQ(e.description(), c.description);
        }
    }
    com::Registry missing;
    missing.set("Kalvik_dll.Potr\\CLSID", "{91A777E5-670F-406B-9E4D-4E1D43BDEEF8}");
    const std::string file = (folder.path() / "gone.so").string();
    missing.set("CLSID\\{91A777E5-670F-406B-9E4D-4E1D43BDEEF8}\\InprocServer32", file);
    try {
        com::createObject(missing, "Potr");
        FAIL() << "the library file is missing";
    } catch (const oleaut::Error& e) {
        EXPECT_EQ(e.number(), oleaut::kCannotCreateObject);
        EXPECT_EQ(e.description(),
                  "ActiveX component can't create object: library file " + file + " is missing");
    }
}

}  // namespace
