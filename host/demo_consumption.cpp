#include "host/demo_consumption.hpp"

#include <chrono>
#include <cstdio>
#include <iostream>
#include <vector>

#include "host/commands.hpp"
#include "platform/ado/recordset.hpp"
#include "platform/oleaut/datetime.hpp"

namespace host {
namespace {

struct ConsumptionRun {
    const char* variant;
    const char* method;
    int16_t plan;
    const char* dog;
    const char* mainTable;
    ConsumptionRuns part;
};

// Actual, plan and contract figures of the current period (the month), and the revision on the
// actual ones. Each run appends its rows.
const ConsumptionRun kRuns[] = {
    {"actual", "Ras_Calc_Potr", 0, "", "РезультатыПотребитель", ConsumptionRuns::Month},
    {"plan", "Ras_Calc_Potr", 1, "", "РезультатыПотребитель_План", ConsumptionRuns::Month},
    {"contract", "Ras_Calc_Potr", 1, "Дог", "РезультатыПотребитель_Дог", ConsumptionRuns::Month},
    {"actual", "Ras_Calc_Potr_21_04_08", 0, "", "РезультатыПотребитель",
     ConsumptionRuns::Revisions},
};

// The main table's rows and its hours table's.
int32_t resultRows(const std::string& connectionString, const std::string& mainTable) {
    return tableRows(connectionString, mainTable) +
           tableRows(connectionString, mainTable + "_Время");
}

}  // namespace

bool runConsumptionDemo(const com::Registry& registry, const std::string& connectionString,
                        ConsumptionRuns runs) {
    const oleaut::Date first = oleaut::DateSerial(2009, 1, 1);
    const oleaut::Date last = oleaut::DateSerial(2009, 1, 31);
    const int32_t consumers = tableRows(connectionString, "Потребители");
    std::cout << (runs == ConsumptionRuns::Month ? "\nConsumption calculation Ras_Potr"
                                                 : "\nConsumption revisions of Ras_Potr")
              << ", 1 to 31 January 2009, rounded to three decimals:\n";
    bool allDone = true;
    for (const ConsumptionRun& run : kRuns) {
        if (run.part != runs) continue;
        std::cout << "Ras_Potr." << run.method << " (" << run.variant << ")\n";
        std::vector<oleaut::Variant> arguments = {connectionString,
                                                  int16_t{0},
                                                  int16_t{3},
                                                  int16_t{3},
                                                  int16_t{3},
                                                  run.dog,
                                                  "",
                                                  0.18,
                                                  0.05,
                                                  first,
                                                  last,
                                                  int16_t{run.plan},
                                                  int16_t{0},
                                                  int16_t{0}};
        const int32_t before = resultRows(connectionString, run.mainTable);
        const std::optional<double> seconds =
            timedCall(registry, "Ras_Potr", run.method, arguments);
        if (!seconds) {
            allDone = false;
            continue;
        }
        const int32_t rows = resultRows(connectionString, run.mainTable) - before;
        char speed[96];
        std::snprintf(speed, sizeof speed, "%.2f s, %.0f consumers and %.0f rows a second",
                      *seconds, consumers / *seconds, rows / *seconds);
        std::cout << "    " << consumers << " consumers, " << rows << " result rows in "
                  << run.mainTable << " and " << run.mainTable << "_Время, " << speed << "\n";
    }
    return allDone;
}

}  // namespace host
