// Vent.CalculationVent and CalculationVent_old called by name through the kalvik command on the
// demonstration database: the steam unit 5 gets its flow, 150 / ((659.6854 - 5.016809) -
// (80.17933 - 5.016809) × 50 / 100) = 0.243 t/h.

#include <gtest/gtest.h>

#include "demo/builder.hpp"
#include "platform/ado/recordset.hpp"
#include "tests/host/kalvik_command.hpp"
#include "tests/platform/ado/temp_database.hpp"

namespace {

using kalvik_host_test::KalvikCommand;

TEST_F(KalvikCommand, Vent) {
    ASSERT_EQ(run({"register"}).status, 0);
    const std::vector<std::vector<std::string>> calls = {
        {"CalculationVent_old", "int:3", "double:5"},
        {"CalculationVent", "int:3"},
    };
    for (const auto& call : calls) {
        kalvik_test::TempDatabase db;
        db.removeFiles();
        kalvik::demo::buildDemoDatabase(db.path());
        std::vector<std::string> words = {"call", "Vent", call[0], "str:" + db.connectionString()};
        words.insert(words.end(), call.begin() + 1, call.end());
        const auto outcome = run(words);
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        EXPECT_EQ(oleaut::CDbl(
                      db.scalar("SELECT \"G_vent\" FROM \"ВентУстановки\" WHERE \"NN_вент\" = 5")),
                  0.243)
            << call[0];
    }
}

}  // namespace
