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
};

// Actual, plan and contract figures of the current period, then the revision on the actual ones.
// Each run appends its rows.
const ConsumptionRun kRuns[] = {
    {"actual", "Ras_Calc_Potr", 0, "", "РезультатыПотребитель"},
    {"plan", "Ras_Calc_Potr", 1, "", "РезультатыПотребитель_План"},
    {"contract", "Ras_Calc_Potr", 1, "Дог", "РезультатыПотребитель_Дог"},
    {"actual", "Ras_Calc_Potr_21_04_08", 0, "", "РезультатыПотребитель"},
};

// The main table's rows and its hours table's.
int32_t resultRows(const std::string& connectionString, const std::string& mainTable) {
    return tableRows(connectionString, mainTable) +
           tableRows(connectionString, mainTable + "_Время");
}

}  // namespace

bool runConsumptionDemo(const com::Registry& registry, const std::string& connectionString) {
    const oleaut::Date first = oleaut::DateSerial(2009, 1, 1);
    const oleaut::Date last = oleaut::DateSerial(2009, 1, 31);
    const int32_t consumers = tableRows(connectionString, "Потребители");
    std::cout << "\nConsumption calculation Ras_Potr, 1 to 31 January 2009, rounded to three "
                 "decimals:\n";
    bool allDone = true;
    for (const ConsumptionRun& run : kRuns) {
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
        const auto start = std::chrono::steady_clock::now();
        try {
            callMethod(registry, "Ras_Potr", run.method, arguments);
        } catch (const oleaut::Error& e) {
            std::cout << "    error " << e.number() << ": " << e.description() << '\n';
            allDone = false;
            continue;
        }
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const int32_t rows = resultRows(connectionString, run.mainTable) - before;
        char speed[96];
        std::snprintf(speed, sizeof speed, "%.2f s, %.0f consumers and %.0f rows a second", seconds,
                      consumers / seconds, rows / seconds);
        std::cout << "    " << consumers << " consumers, " << rows << " result rows in "
                  << run.mainTable << " and " << run.mainTable << "_Время, " << speed << "\n";
    }
    return allDone;
}

}  // namespace host
