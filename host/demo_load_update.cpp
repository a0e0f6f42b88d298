#include "host/demo_load_update.hpp"

#include <cstdio>
#include <iostream>
#include <optional>
#include <vector>

#include "host/commands.hpp"
#include "platform/ado/recordset.hpp"

namespace host {
namespace {

// `Тхвот` of the current actual period.
double periodColdWater(const std::string& connectionString) {
    auto connection = std::make_shared<ado::Connection>();
    connection->Open(connectionString);
    return oleaut::CDbl(connection
                            ->Execute("SELECT \"Тхвот\" FROM \"ПериодРасчета\" WHERE "
                                      "\"Текущий\" <> 0 AND \"План\" = 0")
                            ->Fields(0)
                            .Value());
}

bool runTimed(const com::Registry& registry, const char* method,
              std::vector<oleaut::Variant> arguments, int32_t units) {
    std::cout << "Vent." << method << '\n';
    const std::optional<double> seconds = timedCall(registry, "Vent", method, arguments);
    if (!seconds) return false;
    char elapsed[32];
    std::snprintf(elapsed, sizeof elapsed, "%.2f s", *seconds);
    std::cout << "    " << units << " units updated in ВентУстановки, " << elapsed << '\n';
    return true;
}

}  // namespace

bool runLoadUpdateDemo(const com::Registry& registry, const std::string& connectionString) {
    const int32_t units = tableRows(connectionString, "ВентУстановки");
    const double coldWater = periodColdWater(connectionString);
    std::cout << "\nVentilation unit update Vent, rounded to three decimals, cold water "
              << coldWater << " °C:\n";
    const bool old =
        runTimed(registry, "CalculationVent_old", {connectionString, int16_t{3}, coldWater}, units);
    const bool current =
        runTimed(registry, "CalculationVent", {connectionString, int16_t{3}}, units);
    return old && current;
}

}  // namespace host
