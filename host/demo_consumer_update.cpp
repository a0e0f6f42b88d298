#include "host/demo_consumer_update.hpp"

#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <vector>

#include "host/commands.hpp"
#include "host/variant_text.hpp"
#include "platform/ado/recordset.hpp"

namespace host {
namespace {

constexpr int32_t kGivenVolumeConsumer = 113;
constexpr double kGivenVolume = 2.5;

// Consumer 113's given heating volume, edited in a disconnected recordset and saved by Save_Rst.
bool saveGivenVolume(const com::Registry& registry, const std::string& connectionString) {
    auto rs = std::make_shared<ado::Recordset>();
    rs->CursorLocation(ado::adUseClient);
    rs->Open(oleaut::Variant("SELECT \"Npotr\", \"Vот_п\" FROM \"Потребители\" WHERE \"Npotr\" = " +
                             std::to_string(kGivenVolumeConsumer)),
             oleaut::Variant(connectionString), ado::adOpenStatic, ado::adLockBatchOptimistic,
             ado::adCmdText);
    rs->ActiveConnection(nullptr);
    rs->Fields("Vот_п").Value(kGivenVolume);
    std::cout << "Potr.Save_Rst: consumer " << kGivenVolumeConsumer << " Vот_п = " << kGivenVolume
              << '\n';
    std::vector<oleaut::Variant> arguments = {oleaut::ObjectRef(rs), connectionString};
    return timedCall(registry, "Potr", "Save_Rst", arguments).has_value();
}

}  // namespace

bool runConsumerUpdateDemo(const com::Registry& registry, const std::string& connectionString) {
    std::cout << "\nConsumer load update Potr:\n";
    bool done = saveGivenVolume(registry, connectionString);
    std::cout << "Potr.Calc_Potr, rounded to three decimals, Санкт-Петербург\n";
    std::vector<oleaut::Variant> arguments = {connectionString, int16_t{3},
                                              std::string("Санкт-Петербург"), true};
    const std::optional<double> seconds = timedCall(registry, "Potr", "Calc_Potr", arguments);
    if (!seconds) return false;
    char elapsed[32];
    std::snprintf(elapsed, sizeof elapsed, "%.2f s", *seconds);
    std::cout << "    " << tableRows(connectionString, "Потребители")
              << " consumers updated, Контр_Обновл " << describe(arguments[3]) << ", " << elapsed
              << '\n';
    return done;
}

}  // namespace host
