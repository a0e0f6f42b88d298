// A journal planted beside the server's catalogue, naming any file, deletes nothing: the
// statement fails naming the journal.

#include <gtest/gtest.h>

#include <fstream>

#include "tests/platform/sqlserver/server_fixture.hpp"
#include "tests/support/planted_journal.hpp"

namespace kalvik::test {
namespace {

using StandInServer = ServerFixture;

TEST_F(StandInServer, ASuperJournalBesideTheCatalogueDeletesNothing) {
    const auto victim = root_.path() / "precious.txt";
    std::ofstream(victim) << "a user's file";
    testing_support::plantSuperJournal(server_ / "master.mdf", victim);
    try {
        connect()->Execute("select * from sys.databases");
        ADD_FAILURE() << "the statement ran";
    } catch (const oleaut::Error& e) {
        EXPECT_NE(e.description().find("master.mdf-journal\""), std::string::npos)
            << e.description();
    }
    EXPECT_EQ(testing_support::fileContents(victim), "a user's file");
}

}  // namespace
}  // namespace kalvik::test
