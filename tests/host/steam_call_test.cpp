// Ras_Potr_Par.Расчет_Пар_ADO called by name through the kalvik command: the contract variant's
// row of a source row lands in its table.

#include <gtest/gtest.h>

#include "tests/host/kalvik_command.hpp"
#include "tests/library/ventilation_steam/steam_fixture.hpp"

namespace {

using kalvik_host_test::KalvikCommand;

TEST_F(KalvikCommand, RasPotrPar) {
    ASSERT_EQ(run({"register"}).status, 0);
    kalvik::steam::test::SteamDatabase db;
    db.addSource(kalvik::steam::test::heatingSource(7));
    const auto outcome =
        run({"call", "Ras_Potr_Par", "Расчет_Пар_ADO", "str:" + db.connectionString(), "int:0",
             "int:3", "int:3", "int:3", "2009-01-01", "2009-01-31", "str:Дог", "int:1"});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(oleaut::CLng(db.scalar("SELECT \"QHEAT26_par_ит\" * 10 FROM \"Res_Potreb_Par_Dog\"")),
              2604);
}

}  // namespace
