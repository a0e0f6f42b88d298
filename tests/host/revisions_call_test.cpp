// The consumption revisions called by name through the kalvik command: 23.01.08 with the 14
// arguments of the current method, 02.01.05 with its 19; each writes a consumer's two rows.

#include <gtest/gtest.h>

#include "tests/host/kalvik_command.hpp"
#include "tests/library/consumption/consumption_fixture.hpp"

namespace {

using kalvik::consumption::test::ConsumptionDatabase;
using kalvik_host_test::KalvikCommand;

TEST_F(KalvikCommand, RasPotrRevisions) {
    ASSERT_EQ(run({"register"}).status, 0);
    ConsumptionDatabase db;
    db.addPeriod("2009-01-01", "2009-01-31");
    db.addConsumer(1);
    const std::string connection = "str:" + db.connectionString();
    auto outcome = run({"call", "Ras_Potr", "Ras_Calc_Potr_23_01_08", connection, "int:0", "int:3",
                        "int:3", "int:3", "str:", "str:", "double:0.18", "double:0.05",
                        "2009-01-01", "2009-01-31", "int:0", "int:0", "int:0"});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    outcome = run({"call",       "Ras_Potr",    "Ras_Calc_Potr_02_01_05",
                   connection,   "int:0",       "int:3",
                   "int:3",      "int:3",       "double:-26",
                   "double:-15", "double:8",    "double:5",
                   "str:",       "str:",        "double:2009",
                   "double:1",   "double:0.18", "double:0.05",
                   "2009-01-01", "2009-01-31",  "int:0",
                   "int:0"});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(db.count("РезультатыПотребитель"), 2);
    EXPECT_EQ(db.count("РезультатыПотребитель_Время", "\"Год_Прасч\" = 2009"), 1);
}

}  // namespace
