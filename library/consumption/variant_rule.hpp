#pragma once
// The database objects of a consumption run: its procedures, and the variant rule that chooses
// the result tables and the outage, ventilation-sum and flushing procedures by `План` and `Дог`.
// The procedures' parameters and timeouts are those of library/services/procedure_command.hpp.

#include <cstdint>
#include <string>
#include <string_view>

namespace kalvik::consumption {

// Source rows, one per consumer; parameter "План".
inline constexpr std::string_view kSourceProcedure = "pr_Isxod_Potr";
// Long outages: the same procedure in every variant.
inline constexpr std::string_view kLongOutagesProcedure = "pr_Potr_Dl_Otkl";
// The consumer's coefficient row; parameter "Npotr". Opened updatable.
inline constexpr std::string_view kCoefficientProcedure = "pr_Потребитель_K_G_gvs";
// The value of `Дог` that selects the contract tables (compared exactly, case included).
inline constexpr std::string_view kContractDog = "Дог";

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
[[nodiscard]] RunVariant chooseVariant(int16_t plan, std::string_view dog);

// The always-empty updatable selection through which rows are appended to a result table.
[[nodiscard]] std::string appendingSelection(std::string_view table);

}  // namespace kalvik::consumption
