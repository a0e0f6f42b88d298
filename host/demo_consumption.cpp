#include "host/demo_consumption.hpp"

#include <chrono>
#include <cstdio>
#include <iostream>
#include <string_view>
#include <vector>

#include "host/commands.hpp"
#include "platform/ado/recordset.hpp"
#include "platform/oleaut/datetime.hpp"

namespace host {
namespace {

constexpr const char* kOf02_01_05 = "Ras_Calc_Potr_02_01_05";

struct ConsumptionRun {
    const char* variant;
    const char* method;
    int16_t plan;
    const char* dog;
    const char* mainTable;
    ConsumptionRuns part;
};

// Actual, plan and contract figures of the current period (the month), and the revisions: 21.04.08
// and 23.01.08 on the actual figures, 02.01.05 on all three. Each run appends its rows.
const ConsumptionRun kRuns[] = {
    {"actual", "Ras_Calc_Potr", 0, "", "РезультатыПотребитель", ConsumptionRuns::Month},
    {"plan", "Ras_Calc_Potr", 1, "", "РезультатыПотребитель_План", ConsumptionRuns::Month},
    {"contract", "Ras_Calc_Potr", 1, "Дог", "РезультатыПотребитель_Дог", ConsumptionRuns::Month},
    {"actual", "Ras_Calc_Potr_21_04_08", 0, "", "РезультатыПотребитель",
     ConsumptionRuns::Revisions},
    {"actual", "Ras_Calc_Potr_23_01_08", 0, "", "РезультатыПотребитель",
     ConsumptionRuns::Revisions},
    {"actual", kOf02_01_05, 0, "", "РезультатыПотребитель", ConsumptionRuns::Revisions},
    {"plan", kOf02_01_05, 1, "", "РезультатыПотребитель_План", ConsumptionRuns::Revisions},
    {"contract", kOf02_01_05, 1, "Дог", "РезультатыПотребитель_Дог", ConsumptionRuns::Revisions},
};

// The arguments of a run, rounded to three decimals: the revision of 02.01.05 takes the city's
// design temperatures (−26 °C for heating, −15 °C for ventilation, heating from 8 °C, cold water
// 5 °C) and recalculation January 2009 in place of `tn_t12`.
std::vector<oleaut::Variant> argumentsOf(const ConsumptionRun& run,
                                         const std::string& connectionString, oleaut::Date first,
                                         oleaut::Date last) {
    const int16_t three{3};
    if (std::string_view(run.method) == kOf02_01_05) {
        return {connectionString, int16_t{0}, three,  three, three, -26.0, -15.0, 8.0,  5.0,
                run.dog,          "",         2009.0, 1.0,   0.18,  0.05,  first, last, run.plan,
                int16_t{0}};
    }
    return {
        connectionString, int16_t{0}, three,     three, three, run.dog, "", 0.18, 0.05, first, last,
        run.plan,         int16_t{0}, int16_t{0}};
}

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
        std::vector<oleaut::Variant> arguments = argumentsOf(run, connectionString, first, last);
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
