#include "platform/ado/sqlite_file.hpp"

#include <gtest/gtest.h>

#include <functional>

#include "platform/oleaut/error.hpp"
#include "tests/platform/ado/temp_database.hpp"

namespace {

using ado::sqlite::File;

// A failing statement of a layer's own file names the file and the cause, never the statement.
TEST(SqliteFile, AFailureNamesTheFileNotTheStatement) {
    const kalvik_test::TempDatabase db("CREATE TABLE t(k INTEGER PRIMARY KEY, v TEXT NOT NULL)");
    File file(db.path(), File::Mode::ReadWrite);
    const struct {
        const char* cause;
        std::function<void()> run;
    } cases[] = {
        {"no such table: missing", [&] { (void)file.run("SELECT secret_column FROM missing"); }},
        {"table t has 2 columns but 3 values were supplied",
         [&] { (void)file.run("INSERT INTO t VALUES (1, 'a', 'b')"); }},
        {"NOT NULL constraint failed: t.v",
         [&] { (void)file.run("INSERT INTO t VALUES (1, NULL)"); }},
    };
    for (const auto& c : cases) {
        try {
            c.run();
            ADD_FAILURE() << c.cause << ": no error";
        } catch (const oleaut::Error& e) {
            EXPECT_NE(e.description().find(c.cause), std::string::npos) << e.description();
            EXPECT_NE(e.description().find(db.path()), std::string::npos) << e.description();
            EXPECT_EQ(e.description().find("INSERT"), std::string::npos) << e.description();
            EXPECT_EQ(e.description().find("SELECT"), std::string::npos) << e.description();
        }
    }
}

}  // namespace
