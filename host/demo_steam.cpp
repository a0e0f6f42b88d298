#include "host/demo_steam.hpp"

#include <cstdio>
#include <iostream>
#include <optional>
#include <vector>

#include "host/commands.hpp"
#include "platform/ado/recordset.hpp"
#include "platform/oleaut/datetime.hpp"

namespace host {
namespace {

struct SteamRun {
    const char* variant;
    int16_t plan;
    const char* dog;
    const char* table;
};

const SteamRun kRuns[] = {
    {"actual", 0, "", "Res_Potreb_Par"},
    {"plan", 1, "", "Res_Potreb_Par_Plan"},
    {"contract", 1, "Дог", "Res_Potreb_Par_Dog"},
};

int32_t steamConsumers(const std::string& connectionString) {
    auto connection = std::make_shared<ado::Connection>();
    connection->Open(connectionString);
    return oleaut::CLng(
        connection->Execute("SELECT count(*) FROM \"Потребители\" WHERE \"PAR\" > 0")
            ->Fields(0)
            .Value());
}

}  // namespace

bool runSteamDemo(const com::Registry& registry, const std::string& connectionString) {
    const int32_t consumers = steamConsumers(connectionString);
    std::cout << "\nSteam calculation Ras_Potr_Par, January 2009, rounded to three decimals:\n";
    bool allDone = true;
    for (const SteamRun& run : kRuns) {
        std::cout << "Ras_Potr_Par.Расчет_Пар_ADO (" << run.variant << ")\n";
        std::vector<oleaut::Variant> arguments = {connectionString,
                                                  int16_t{0},
                                                  int16_t{3},
                                                  int16_t{3},
                                                  int16_t{3},
                                                  oleaut::DateSerial(2009, 1, 1),
                                                  oleaut::DateSerial(2009, 1, 31),
                                                  run.dog,
                                                  int16_t{run.plan}};
        const int32_t before = tableRows(connectionString, run.table);
        const std::optional<double> seconds =
            timedCall(registry, "Ras_Potr_Par", "Расчет_Пар_ADO", arguments);
        if (!seconds) {
            allDone = false;
            continue;
        }
        char elapsed[32];
        std::snprintf(elapsed, sizeof elapsed, "%.2f s", *seconds);
        std::cout << "    " << consumers << " consumers, "
                  << tableRows(connectionString, run.table) - before << " result rows in "
                  << run.table << ", " << elapsed << "\n";
    }
    return allDone;
}

}  // namespace host
