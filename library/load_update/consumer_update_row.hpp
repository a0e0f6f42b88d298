#pragma once
// The update of one consumer row, from its climate to its flows and steam columns, in the order
// the phases run. The row is edited in place and left pending; the caller saves it. What differs
// between the current method and its revision (the cold-water source, the regime-volume rule,
// the heating re-scale rule) comes from a policy.
//
// Beside each phase: what it reads, what it writes of the row values, and which columns of the
// row it sets.

#include <cstdint>
#include <string>

#include "library/com/ifiz_par.hpp"
#include "library/com/ipotr.hpp"
#include "library/load_update/consumer_update_columns.hpp"
#include "library/services/bound_recordset.hpp"
#include "library/units/units.hpp"

namespace kalvik::consumer_update {

using ConsumerRecordset = BoundRecordset<ConsumerRow>;
using VentSumRecordset = BoundRecordset<VentSumRow>;

// The climate a row is computed with.
struct RowClimate {
    Celsius coldWater;       // cold-water temperature
    Celsius outdoorInForce;  // design outdoor temperature for heating in force
};

class ConsumerPolicy {
  public:
    virtual ~ConsumerPolicy() = default;
    // The row's climate; a Null where a number is needed fails naming its column.
    [[nodiscard]] virtual RowClimate climate(ConsumerRecordset& row) const = 0;
    // The specific volume of the heating system, m³ per Gcal/h.
    [[nodiscard]] virtual double regimeVolume(ConsumerRecordset& row) const = 0;
    // Whether the heating load is re-scaled to the design outdoor temperature in force.
    [[nodiscard]] virtual bool rescalesHeating() const = 0;
};

// The current method: climate from the row's `Тхвот` and `Тнро_рт`, four supply-temperature
// bands, re-scaling in "Санкт-Петербург" only.
class CityPolicy : public ConsumerPolicy {
  public:
    explicit CityPolicy(const std::string& gorod);
    [[nodiscard]] RowClimate climate(ConsumerRecordset& row) const override;
    [[nodiscard]] double regimeVolume(ConsumerRecordset& row) const override;
    [[nodiscard]] bool rescalesHeating() const override { return rescales_; }

  private:
    bool rescales_;
};

// The revision of 13.11.04: one cold-water and one outdoor temperature for every consumer, two
// regimes split at a supply of 105 °C, re-scaling wherever Тнро differs from the one in force.
class RevisionPolicy : public ConsumerPolicy {
  public:
    RevisionPolicy(Celsius GorTxv, Celsius GorTnror) : climate_{GorTxv, GorTnror} {}
    [[nodiscard]] RowClimate climate(ConsumerRecordset&) const override { return climate_; }
    [[nodiscard]] double regimeVolume(ConsumerRecordset& row) const override;
    [[nodiscard]] bool rescalesHeating() const override { return true; }

  private:
    RowClimate climate_;
};

// What one row's update is given.
struct ConsumerContext {
    ConsumerRecordset& row;
    VentSumRecordset& sums;
    IFiz_par& fizPar;
    IPotr& self;  // the loss addition is the class's own operation
    const ConsumerPolicy& policy;
    int16_t Qpk_znk;
};

// Values of the row held in memory between the phases.
struct RowValues {
    KcalPerKg coldWaterEnthalpy = 0;
    Celsius outdoorInForce = 0;
    double regimeVolume = 0;  // m³ per Gcal/h
    bool steam = false;       // PAR > 0
    double leakRate = 0;      // share of the volume lost per hour
    double density = 0;       // of the medium, kg/m³
    KcalPerKg supplyEnthalpy = 0;
    KcalPerKg returnEnthalpy = 0;
    KcalPerKg hotWaterEnthalpy = 0;  // as Fiz_par gives it, before the floor
    KcalPerKg leakEnthalpyDifference = 0;
    // Condensate enthalpies by load kind, in the order of kConsumerLoadKinds (steam only).
    KcalPerKg condensateEnthalpy[6] = {};
};

// A value rounded to `Qpk_znk` decimals, halves to even; a Null stays Null.
[[nodiscard]] oleaut::Variant rounded(const ConsumerContext& c, const oleaut::Variant& value);

// The whole update of the row in hand: the phases below, in this order.
void updateConsumerRow(const ConsumerContext& c);

// Reads the policy's climate and regime volume, "P гв". Writes coldWaterEnthalpy,
// outdoorInForce, regimeVolume. Row: none.
void climateAndRegime(const ConsumerContext& c, RowValues& v);
// Reads outdoorInForce, QHEAT, Qt_ПС, Тнро, "Твн TVNUT". Row: QHEAT26, re-scaled by the policy
// and rounded; the six design volumes cleared.
void heatingLoad(const ConsumerContext& c, const RowValues& v);
// Reads `Npotr` and the consumer's ventilation sums. Row: QVENT26, Vвент26_р, Утвент26_п,
// Птвент26_п, G_vent (zeros without sums).
void ventilationValues(const ConsumerContext& c);
// Reads the six loads. Row: SQсрчас; the four network-loss shares cleared.
void hourlyLoad(const ConsumerContext& c);
// Reads coldWaterEnthalpy, `PAR`, the pressures and temperatures. Writes steam, leakRate,
// density and the enthalpies. Row: none.
void mediumProperties(const ConsumerContext& c, RowValues& v);
// Reads regimeVolume, the loads and the given volumes. Row: Qgvs, QGV_Пс, Qtgvs, QTS rounded in
// place, the design volumes and Vпотр_р.
void designVolumes(const ConsumerContext& c, const RowValues& v);
// Reads leakRate, density, leakEnthalpyDifference and the design volumes. Row: the leaks and
// Утпотр_п, the heat lost with them and Птпотр_п.
void leaksAndLosses(const ConsumerContext& c, const RowValues& v);
// Reads "Подкл с потерями", ДоляПотерьТсетях, Птпотр_п and SQсрчас; the addition comes from the
// class's SQ_Потр_пот. Row: "SQсрчас с пот".
void loadWithLosses(const ConsumerContext& c);
// Reads every row value but the climate's (consumer_update_flows.cpp). Row: the flow of every
// load kind; a steam consumer's steam columns.
void flowsAndSteamColumns(const ConsumerContext& c, const RowValues& v);

}  // namespace kalvik::consumer_update
