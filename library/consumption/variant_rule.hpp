#pragma once
// The database objects of a consumption run: its procedures, and the variant rule that chooses
// the result tables and the outage, ventilation-sum, flushing and climate sources by `План`, `Дог`
// and `Пл_Сн` under the method's traits.
// The procedures' parameters and timeouts are those of library/services/procedure_command.hpp.

#include <cstdint>
#include <string>
#include <string_view>

#include "library/consumption/revision_traits.hpp"
#include "library/services/contract_switch.hpp"

namespace kalvik::consumption {

// Source rows, one per consumer; parameter "План".
inline constexpr std::string_view kSourceProcedure = "pr_Isxod_Potr";
// Long outages: the same procedure in every variant.
inline constexpr std::string_view kLongOutagesProcedure = "pr_Potr_Dl_Otkl";
// The consumer's coefficient row; parameter "Npotr". Opened updatable.
inline constexpr std::string_view kCoefficientProcedure = "pr_Потребитель_K_G_gvs";
// The norm climate by month, read with SQL text (climateSelection) in the actual variant.
inline constexpr std::string_view kClimateTable = "ТемператураМесяцСНиП";

// Client-side filters that narrow an auxiliary recordset to one consumer: the text is followed by
// the consumer's number.
inline constexpr std::string_view kConsumerFilter = "[Npotr] = ";
inline constexpr std::string_view kFlushingConsumerFilter = "[NNпотр пром] = ";

// A contract (`Дог` "Дог"), or a plan by the building norms (`Пл_Сн` exactly "СНиП"), takes the
// norm climate: its climate procedure and the norms' month temperature between heating seasons.
[[nodiscard]] constexpr bool takesNormClimate(std::string_view dog, std::string_view plSn) {
    return isContract(dog) || plSn == "СНиП";
}

// What the variant of a run selects.
struct RunVariant {
    std::string_view mainTable;
    std::string_view hoursTable;
    std::string_view outagesProcedure;  // empty: none opened
    bool outagesUsed = true;            // the outage rows count for the consumers
    std::string_view ventilationSumsProcedure;
    bool ventilationSumsTakeDog = false;  // the plan procedure gets "@dog" = `Дог`
    bool longOutagesUsed = true;          // the long-outage rows count for the consumers
    std::string_view flushingsProcedure;
    std::string_view climateSource;  // a procedure, kClimateTable, or empty: none opened

    friend bool operator==(const RunVariant&, const RunVariant&) = default;
};

// Result tables: `План` = 0 the actual tables whatever `Дог` holds; a non-zero `План` the contract
// tables when `Дог` is exactly "Дог", else the plan tables. Outages: the actual procedure for
// `План` <= 0, so a negative `План` takes the actual outages with the plan flushings, the plan
// ventilation sums and the plan or contract tables; for `План` >= 1 the plan procedure of the
// method's outage rule. Long outages and climate by the method's traits.
[[nodiscard]] RunVariant chooseVariant(const RevisionTraits& traits, int16_t plan,
                                       std::string_view dog, std::string_view plSn);

// The key of the main and hours result rows, which the database assigns.
inline constexpr std::string_view kResultKey = "NNрасчТепл";

// The largest key of a main result table.
[[nodiscard]] std::string keyMaximumSelection(std::string_view mainTable);

// The norm climate's hot-water coefficient of a month (1 to 12). The month, a number the run
// computes, is the one value written into the text.
[[nodiscard]] std::string climateSelection(int month);

}  // namespace kalvik::consumption
