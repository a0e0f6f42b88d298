// A catalogue that another program holds whole (BEGIN EXCLUSIVE, so that it cannot even be read)
// is waited for as the statement waits, up to its CommandTimeout, then answered as a timed-out
// statement; let go within the timeout, the statement runs.
#include <gtest/gtest.h>

#include <chrono>
#include <latch>
#include <thread>

#include "tests/platform/sqlserver/server_fixture.hpp"

namespace kalvik::test {
namespace {

using namespace std::chrono_literals;
using StandInHeldCatalogue = ServerFixture;

TEST_F(StandInHeldCatalogue, AHeldCatalogueIsWaitedForUpToTheStatementsTimeout) {
    const struct {
        const char* what;
        bool restore;     // the restore, else the name check
        bool heldPast;    // held until the statement has returned, else let go after a moment
        int32_t timeout;  // the statement's CommandTimeout
        int32_t failure;  // ADO's number, 0: it ran
    } cases[] = {
        {"a name check, held past its timeout", false, true, 1, ado::adErrQueryTimeout},
        {"a restore, held past its timeout", true, true, 1, ado::adErrQueryTimeout},
        {"a name check, let go within its timeout", false, false, 20, 0},
        {"a restore, let go within its timeout", true, false, 20, 0},
    };
    int trial = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string name = "Held" + std::to_string(++trial);
        auto connection = connect();
        connection->CommandTimeout(c.timeout);
        std::latch taken(1);
        std::latch returned(1);
        std::jthread holder([&] {
            ado::sqlite::File master(server_ / "master.mdf", ado::sqlite::File::Mode::ReadWrite);
            master.run("BEGIN EXCLUSIVE");
            taken.count_down();
            if (c.heldPast) {
                returned.wait();
            } else {
                std::this_thread::sleep_for(500ms);
            }
            master.run("COMMIT");
        });
        taken.wait();
        const auto started = std::chrono::steady_clock::now();
        int32_t failure = 0;
        try {
            connection->Execute(
                c.restore ? restoreText(name, target(name + ".mdf"), target(name + ".ldf"))
                          : "select * from sys.databases where (name = '" + name + "')");
        } catch (const oleaut::Error& e) {
            failure = e.number();
            EXPECT_EQ(e.description(), "Query timeout expired");
        }
        returned.count_down();
        EXPECT_EQ(failure, c.failure);
        if (c.heldPast) {
            // The statement's timeout, not the fixed wait of the catalogue's file.
            EXPECT_LT(std::chrono::steady_clock::now() - started, 20s);
        }
        holder.join();
        EXPECT_EQ(std::filesystem::exists(target(name + ".mdf")), c.restore && failure == 0);
    }
}

}  // namespace
}  // namespace kalvik::test
