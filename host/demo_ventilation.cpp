#include "host/demo_ventilation.hpp"

#include <cstdio>
#include <iostream>
#include <optional>
#include <vector>

#include "host/commands.hpp"
#include "platform/ado/recordset.hpp"
#include "platform/oleaut/datetime.hpp"

namespace host {
namespace {

struct VentilationRun {
    const char* variant;
    int16_t plan;
    const char* dog;
    const char* table;
};

// Actual, plan and contract figures of the current period; each run appends its rows.
const VentilationRun kRuns[] = {
    {"actual", 0, "", "РезультатыВентиляция"},
    {"plan", 1, "", "РезультатыВентиляция_План"},
    {"contract", 1, "Дог", "РезультатыВентиляция_Дог"},
};

}  // namespace

bool runVentilationDemo(const com::Registry& registry, const std::string& connectionString) {
    const oleaut::Date first = oleaut::DateSerial(2009, 1, 1);
    const oleaut::Date last = oleaut::DateSerial(2009, 1, 31);
    const int32_t units = tableRows(connectionString, "ВентУстановки");
    std::cout << "\nVentilation calculation Ras_Vent, 1 to 31 January 2009, rounded to three "
                 "decimals:\n";
    bool allDone = true;
    for (const VentilationRun& run : kRuns) {
        std::cout << "Ras_Vent.Ras_Calc_Vent (" << run.variant << ")\n";
        std::vector<oleaut::Variant> arguments = {
            connectionString, int16_t{0}, int16_t{3}, int16_t{3},        int16_t{3},
            run.dog,          first,      last,       int16_t{run.plan}, int16_t{0}};
        const int32_t before = tableRows(connectionString, run.table);
        const std::optional<double> seconds =
            timedCall(registry, "Ras_Vent", "Ras_Calc_Vent", arguments);
        if (!seconds) {
            allDone = false;
            continue;
        }
        char elapsed[32];
        std::snprintf(elapsed, sizeof elapsed, "%.2f s", *seconds);
        std::cout << "    " << units << " units, "
                  << tableRows(connectionString, run.table) - before << " result rows in "
                  << run.table << ", " << elapsed << "\n";
    }
    return allDone;
}

}  // namespace host
