#pragma once
// The demonstration database for the ventilation runs: the consumption tests' seeded ventilation
// results removed, so that a table holds only what a test's runs append.

#include <string>

#include "tests/library/consumption/consumption_fixture.hpp"

namespace kalvik::ventilation::test {

inline constexpr const char* kVentilationTables[] = {
    "РезультатыВентиляция", "РезультатыВентиляция_План", "РезультатыВентиляция_Дог"};

class VentilationDatabase : public consumption::test::ConsumptionDatabase {
  public:
    VentilationDatabase() : consumption::test::ConsumptionDatabase(true) {
        for (const char* table : kVentilationTables)
            execute("DELETE FROM \"" + std::string(table) + "\"");
    }

    // A column of the unit's latest row in the table.
    oleaut::Variant latest(const std::string& table, int unit, const std::string& column) const {
        return scalar("SELECT \"" + column + "\" FROM \"" + table +
                      "\" WHERE \"NNВентОснТабл\" = " + std::to_string(unit) +
                      " ORDER BY \"NNрасчТеплВент\" DESC LIMIT 1");
    }
    double value(const std::string& table, int unit, const std::string& column) const {
        return oleaut::CDbl(latest(table, unit, column));
    }
};

}  // namespace kalvik::ventilation::test
