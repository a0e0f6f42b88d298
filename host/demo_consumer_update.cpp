#include "host/demo_consumer_update.hpp"

#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <vector>

#include "host/commands.hpp"
#include "host/variant_text.hpp"
#include "platform/ado/connection.hpp"
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

// The revision of 13.11.04 with the current period's cold water and design outdoor temperature.
bool runRevision(const com::Registry& registry, const std::string& connectionString) {
    auto connection = std::make_shared<ado::Connection>();
    connection->Open(connectionString);
    const auto period = connection->Execute(
        "SELECT \"Тхвот\", \"Тнро_рт\" FROM \"ПериодРасчета\" WHERE \"Текущий\" <> 0 AND "
        "\"План\" = 0");
    const double coldWater = oleaut::CDbl(period->Fields(0).Value());
    const double outdoor = oleaut::CDbl(period->Fields(1).Value());
    connection->Close();
    std::cout << "Potr.Calc_Potr_13_11_04, rounded to three decimals, cold water " << coldWater
              << ", outdoor " << outdoor << '\n';
    std::vector<oleaut::Variant> arguments = {connectionString, int16_t{3}, coldWater, outdoor,
                                              true};
    const std::optional<double> seconds =
        timedCall(registry, "Potr", "Calc_Potr_13_11_04", arguments);
    if (!seconds) return false;
    char elapsed[32];
    std::snprintf(elapsed, sizeof elapsed, "%.2f s", *seconds);
    std::cout << "    " << tableRows(connectionString, "Расчет_Потреб_Врем")
              << " consumers updated through the work table, Контр_Обновл "
              << describe(arguments[4]) << ", " << elapsed << '\n';
    return true;
}

// The contract local losses spread over the loads of the consumers that have them.
bool spreadLocalLosses(const com::Registry& registry, const std::string& connectionString) {
    std::cout << "Poteri_vneshn.Obnovl_mest_Poter, rounded to six decimals\n";
    std::vector<oleaut::Variant> arguments = {connectionString, int16_t{6}};
    const std::optional<double> seconds =
        timedCall(registry, "Poteri_vneshn", "Obnovl_mest_Poter", arguments);
    if (!seconds) return false;
    char elapsed[32];
    std::snprintf(elapsed, sizeof elapsed, "%.2f s", *seconds);
    std::cout << "    " << tableRows(connectionString, "ПотериДоговор")
              << " contracts with local losses, " << elapsed << '\n';
    return true;
}

}  // namespace

bool runConsumerUpdateDemo(const com::Registry& registry, const std::string& connectionString) {
    std::cout << "\nConsumer load update Potr:\n";
    bool done = runRevision(registry, connectionString);
    done = saveGivenVolume(registry, connectionString) && done;
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
    return spreadLocalLosses(registry, connectionString) && done;
}

}  // namespace host
