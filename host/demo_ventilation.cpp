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
    const char* method;
    const char* variant;
    int16_t plan;
    const char* dog;
    const char* table;
};

// Actual, plan and contract figures of the current period; each run appends its rows.
const VentilationRun kRuns[] = {
    {"Ras_Calc_Vent", "actual", 0, "", "РезультатыВентиляция"},
    {"Ras_Calc_Vent", "plan", 1, "", "РезультатыВентиляция_План"},
    {"Ras_Calc_Vent", "contract", 1, "Дог", "РезультатыВентиляция_Дог"},
};

// The revisions on the plan and the contract figures.
const VentilationRun kRevisionRuns[] = {
    {"Ras_Calc_Vent_03_01_05", "plan", 1, "", "РезультатыВентиляция_План"},
    {"Ras_Calc_Vent_23_10_04", "contract", 1, "Дог", "РезультатыВентиляция_Дог"},
};

// The city's design temperatures of heating and ventilation, the start of heating, and the
// recalculation year and month of the revisions.
constexpr double kGorTnror = -26;
constexpr double kGorTnrvr = -25;
constexpr double kGorTnror_n_ot = 8;
constexpr double kГод_Перерасч = 2009;
constexpr double kМесяц_Перерасч = 1;

std::vector<oleaut::Variant> argumentsOf(const VentilationRun& run,
                                         const std::string& connectionString) {
    const oleaut::Date first = oleaut::DateSerial(2009, 1, 1);
    const oleaut::Date last = oleaut::DateSerial(2009, 1, 31);
    const std::vector<oleaut::Variant> rounding = {connectionString, int16_t{0}, int16_t{3},
                                                   int16_t{3}, int16_t{3}};
    std::vector<oleaut::Variant> arguments = rounding;
    if (std::string_view(run.method) == "Ras_Calc_Vent") {
        arguments.insert(arguments.end(), {run.dog, first, last, int16_t{run.plan}, int16_t{0}});
    } else {
        arguments.insert(arguments.end(),
                         {kGorTnror, kGorTnrvr, kGorTnror_n_ot, run.dog, kГод_Перерасч,
                          kМесяц_Перерасч, first, last, int16_t{run.plan}});
    }
    return arguments;
}

// Each run through the registered library, printing its units, rows and time; false when one
// failed.
template <std::size_t N>
bool runEach(const com::Registry& registry, const std::string& connectionString,
             const VentilationRun (&runs)[N]) {
    const int32_t units = tableRows(connectionString, "ВентУстановки");
    bool allDone = true;
    for (const VentilationRun& run : runs) {
        std::cout << "Ras_Vent." << run.method << " (" << run.variant << ")\n";
        std::vector<oleaut::Variant> arguments = argumentsOf(run, connectionString);
        const int32_t before = tableRows(connectionString, run.table);
        const std::optional<double> seconds =
            timedCall(registry, "Ras_Vent", run.method, arguments);
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

}  // namespace

bool runVentilationDemo(const com::Registry& registry, const std::string& connectionString) {
    std::cout << "\nVentilation calculation Ras_Vent, 1 to 31 January 2009, rounded to three "
                 "decimals:\n";
    return runEach(registry, connectionString, kRuns);
}

bool runVentilationRevisionsDemo(const com::Registry& registry,
                                 const std::string& connectionString) {
    std::cout << "\nVentilation revisions, the same period, city temperatures -26, -25 and 8, "
                 "recalculation 2009/1:\n";
    return runEach(registry, connectionString, kRevisionRuns);
}

}  // namespace host
