#pragma once
// The database objects of a consumption run: its procedures with their parameters and command
// timeouts, and the variant rule that chooses the result tables and the outage, ventilation-sum
// and flushing procedures by `План` and `Дог`.

#include <cstdint>
#include <string>
#include <string_view>

namespace kalvik::consumption {

// Source rows, one per consumer; parameter "План" (adInteger).
inline constexpr std::string_view kSourceProcedure = "pr_Isxod_Potr";
inline constexpr std::string_view kPlanParameter = "План";
// Long outages: the same procedure in every variant.
inline constexpr std::string_view kLongOutagesProcedure = "pr_Potr_Dl_Otkl";
// The consumer's coefficient row; parameter "Npotr" (adInteger). Opened updatable.
inline constexpr std::string_view kCoefficientProcedure = "pr_Потребитель_K_G_gvs";
inline constexpr std::string_view kConsumerParameter = "Npotr";
// The contract switch of the plan ventilation sums (adVarChar, size 10).
inline constexpr std::string_view kDogParameter = "@dog";
inline constexpr int32_t kDogParameterSize = 10;
// The value of `Дог` that selects the contract tables (compared exactly, case included).
inline constexpr std::string_view kContractDog = "Дог";

// Command timeouts, seconds: the heavy source procedures and every other procedure.
inline constexpr int32_t kHeavyCommandTimeout = 1200;
inline constexpr int32_t kCommandTimeout = 600;

// Client-side filters that narrow an auxiliary recordset to one consumer: the text is followed by
// the consumer's number.
inline constexpr std::string_view kConsumerFilter = "[Npotr] = ";
inline constexpr std::string_view kFlushingConsumerFilter = "[NNпотр пром] = ";

// What the variant of a run selects.
struct RunVariant {
    std::string_view mainTable;
    std::string_view hoursTable;
    std::string_view outagesProcedure;
    std::string_view ventilationSumsProcedure;
    bool ventilationSumsTakeDog = false;  // the plan procedure gets "@dog" = `Дог`
    std::string_view flushingsProcedure;

    friend bool operator==(const RunVariant&, const RunVariant&) = default;
};

// Result tables: `План` = 0 the actual tables whatever `Дог` holds; a non-zero `План` the contract
// tables when `Дог` is exactly "Дог", else the plan tables. Outages: the plan procedure only for
// `План` >= 1, so a negative `План` takes the actual outages with the plan flushings, the plan
// ventilation sums and the plan or contract tables.
RunVariant chooseVariant(int16_t plan, std::string_view dog);

// The always-empty updatable selection through which rows are appended to a result table.
std::string appendingSelection(std::string_view table);

}  // namespace kalvik::consumption
