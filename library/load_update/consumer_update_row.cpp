// One consumer row from its climate to the load with losses; the flows follow in
// consumer_update_flows.cpp.

#include "library/load_update/consumer_update_row.hpp"

#include <span>

#include "library/load_update/consumer_update_load_kinds.hpp"
#include "library/load_update/design_rules.hpp"
#include "library/services/network_water.hpp"

namespace kalvik::consumer_update {

using oleaut::Variant;

namespace {

inline constexpr std::string_view kCity = "Санкт-Петербург";

// The regime volume of each regime of the supply temperature.
inline constexpr load_update::PerRegime<col::C> kRegimeVolumes{col::v_ot150, col::v_ot130,
                                                               col::v_ot110, col::v_ot95};
// The revision's two regimes: "Режим 150" from this supply temperature up.
inline constexpr Celsius kRevisionRegimeSplit = 105;

// A design volume: given by the user when not 0, else the load times its specific volume (the
// regime volume or 6 m³ per Gcal/h). The load is rounded in place first when it says so.
struct DesignVolume {
    col::C load;
    bool roundLoad;
    col::C given;
    col::C design;
    bool byRegime;
};
inline constexpr double kHotWaterVolume = 6;
inline constexpr DesignVolume kDesignVolumes[] = {
    {col::QHEAT26, false, col::Vот_п, col::Vот_р, true},
    {col::Qgvs, true, col::Vгвс_п, col::Vгвс_р, false},
    {col::QGV_Пс, true, col::Vгвс_Пс_п, col::Vгвс_Пс_р, false},
    {col::Qtgvs, true, col::VтехГВС_п, col::VтехГВС_р, false},
    {col::QTS, true, col::Vтех_п, col::Vтех_р, true},
};

// The total columns, each the sum of its terms in this order.
inline constexpr col::C kLoadTerms[] = {col::QHEAT26, col::QVENT26, col::Qgvs,
                                        col::QGV_Пс,  col::Qtgvs,   col::QTS};
inline constexpr col::C kVolumeTerms[] = {col::Vот_р,     col::Vвент26_р, col::Vгвс_р,
                                          col::Vгвс_Пс_р, col::VтехГВС_р, col::Vтех_р};
inline constexpr col::C kLeakTerms[] = {col::Утот_п,     col::Утвент26_п, col::Утгвс_п,
                                        col::Утгвс_Пс_п, col::УттехГВС_п, col::Уттех_п};
inline constexpr col::C kLossTerms[] = {col::Птот_п,     col::Птвент26_п, col::Птгвс_п,
                                        col::Птгвс_Пс_п, col::ПттехГВС_п, col::Пттех_п};

// Leaks from design volumes, and the heat lost with each leak.
struct Pair {
    col::C result;
    col::C from;
};
inline constexpr Pair kLeaks[] = {{col::Утот_п, col::Vот_р},
                                  {col::Утгвс_п, col::Vгвс_р},
                                  {col::Утгвс_Пс_п, col::Vгвс_Пс_р},
                                  {col::УттехГВС_п, col::VтехГВС_р},
                                  {col::Уттех_п, col::Vтех_р}};
inline constexpr Pair kLosses[] = {{col::Птот_п, col::Утот_п},
                                   {col::Птгвс_п, col::Утгвс_п},
                                   {col::Птгвс_Пс_п, col::Утгвс_Пс_п},
                                   {col::ПттехГВС_п, col::УттехГВС_п},
                                   {col::Пттех_п, col::Уттех_п}};

// The ventilation values copied from the consumer's sums.
struct VentCopy {
    col::C to;
    sums::C from;
};
inline constexpr VentCopy kVentCopies[] = {{col::QVENT26, sums::Qв_расч_Дубль},
                                           {col::Vвент26_р, sums::V_вент_Дубль},
                                           {col::Утвент26_п, sums::Ут_вент_Дубль},
                                           {col::Птвент26_п, sums::Тпот_вент_Дубль},
                                           {col::G_vent, sums::G_vent_Дубль}};

inline constexpr col::C kNetworkShares[] = {col::ДоляУтечекТсетях, col::ДоляТПУтечекТсетях,
                                            col::ДоляТПотерьТсетях, col::ДоляПотерьТсетях};

Variant sumOf(ConsumerRecordset& row, std::span<const col::C> terms) {
    Variant sum = row[terms.front()];
    for (const col::C term : terms.subspan(1))
        sum = sum + row[term];
    return sum;
}

}  // namespace

Variant rounded(const ConsumerContext& c, const Variant& value) {
    return oleaut::Round(value, c.Qpk_znk);
}

CityPolicy::CityPolicy(const std::string& gorod) : rescales_(gorod == kCity) {}

RowClimate CityPolicy::climate(ConsumerRecordset& row) const {
    const Celsius coldWater = row.number(col::Тхвот);
    return {coldWater, row.number(col::Тнро_рт)};
}

double CityPolicy::regimeVolume(ConsumerRecordset& row) const {
    const double volume = row.number(col::Режим_95);
    const Variant supply = row[col::Т_подающ];
    if (supply.isNull()) return volume;
    if (const auto regime = load_update::supplyRegime(number(supply, col::Т_подающ.name)))
        return row.number(kRegimeVolumes[*regime]);
    return volume;
}

// "Режим 95" is read on every row; a supply of 105 °C or more, or Null, takes "Режим 150".
double RevisionPolicy::regimeVolume(ConsumerRecordset& row) const {
    const double volume = row.number(col::Режим_95);
    const Variant supply = row[col::Т_подающ];
    if (!supply.isNull() && number(supply, col::Т_подающ.name) < kRevisionRegimeSplit)
        return volume;
    return row.number(col::Режим_150);
}

void updateConsumerRow(const ConsumerContext& c) {
    RowValues v;
    climateAndRegime(c, v);
    heatingLoad(c, v);
    ventilationValues(c);
    hourlyLoad(c);
    mediumProperties(c, v);
    designVolumes(c, v);
    leaksAndLosses(c, v);
    loadWithLosses(c);
    flowsAndSteamColumns(c, v);
}

void climateAndRegime(const ConsumerContext& c, RowValues& v) {
    const RowClimate climate = c.policy.climate(c.row);
    Variant pressure = absolutePressure(c.row[col::P_гв]);
    Variant coldWater(climate.coldWater);
    v.coldWaterEnthalpy = c.fizPar.Iv(pressure, coldWater);
    v.outdoorInForce = climate.outdoorInForce;
    v.regimeVolume = c.policy.regimeVolume(c.row);
}

void heatingLoad(const ConsumerContext& c, const RowValues& v) {
    ConsumerRecordset& row = c.row;
    row.set(col::QHEAT26, row[col::QHEAT] + row[col::Qt_ПС]);
    for (const col::C volume : kVolumeTerms)
        row.set(volume, int16_t{0});
    const Variant inForce(v.outdoorInForce);
    if (c.policy.rescalesHeating() && oleaut::isTrue(oleaut::ne(row[col::Тнро], inForce))) {
        const Variant indoor = row[col::Твн_TVNUT];
        row.set(col::QHEAT26, (row[col::QHEAT] + row[col::Qt_ПС]) * (indoor - inForce) /
                                  (indoor - row[col::Тнро]));
    }
    row.set(col::QHEAT26, rounded(c, row[col::QHEAT26]));
}

void ventilationValues(const ConsumerContext& c) {
    const Variant npotr = c.row[col::Npotr];
    int32_t consumer = 0;
    try {
        consumer = oleaut::CLng(npotr);
    } catch (const oleaut::Error& e) {
        throw e.withContext("column " + std::string(col::Npotr.name));
    }
    c.sums.select("[Npotr] = ", std::to_string(consumer));
    const bool found = c.sums.recordCount() >= 1;
    for (const VentCopy& copy : kVentCopies)
        c.row.set(copy.to, found ? rounded(c, c.sums[copy.from]) : Variant(int16_t{0}));
}

void hourlyLoad(const ConsumerContext& c) {
    c.row.set(col::SQсрчас, rounded(c, sumOf(c.row, kLoadTerms)));
    for (const col::C share : kNetworkShares)
        c.row.set(share, int16_t{0});
}

// Like the unit update's medium but kept apart: it also asks Fiz_par for the hot water and six
// condensates, in its own order, and that order is the order in which a row can fail.
void mediumProperties(const ConsumerContext& c, RowValues& v) {
    ConsumerRecordset& row = c.row;
    IFiz_par& fiz = c.fizPar;
    v.steam = oleaut::isTrue(oleaut::gt(row[col::PAR], Variant(int16_t{0})));
    Variant returnPressure = absolutePressure(row[col::P_обрат]);
    Variant hotWaterPressure = absolutePressure(row[col::P_гв]);
    Variant hotWater = row[col::Т_гв_потр];
    if (v.steam) {
        v.leakRate = load_update::steamLeakRate(row[col::Ут_дол], col::Ут_дол.name);
        Variant supplyPressure = absolutePressure(row[col::P_подающ]);
        v.density = oleaut::CDbl(Variant(1.0) / Variant(double(fiz.Vsp(supplyPressure))));
        supplyPressure = absolutePressure(row[col::P_подающ]);
        v.supplyEnthalpy = fiz.Isp(supplyPressure);
        Variant returnT = row[col::Т_обрат];
        v.returnEnthalpy = fiz.Iv(returnPressure, returnT);
        for (std::size_t k = 0; k < kConsumerLoadKinds.size(); ++k) {
            Variant pressure = absolutePressure(row[col::P_обрат]);
            Variant t = row[kConsumerLoadKinds[k].condensateTemperature];
            v.condensateEnthalpy[k] = fiz.Iv(pressure, t);
        }
    } else {
        // A water consumer without its temperatures would be taken as 0 °C water.
        const Celsius supplyT = row.number(col::Т_подающ);
        const Celsius returnT = row.number(col::Т_обрат);
        v.leakRate = load_update::kWaterLeakRate;
        Variant meanPressure =
            absolutePressure((row[col::P_подающ] + row[col::P_обрат]) / Variant(int16_t{2}));
        Variant meanT((supplyT + returnT) / 2);
        v.density = oleaut::CDbl(Variant(1.0) / Variant(double(fiz.Vv(meanPressure, meanT))));
        Variant supplyPressure = absolutePressure(row[col::P_подающ]);
        Variant supply(supplyT);
        v.supplyEnthalpy = fiz.Iv(supplyPressure, supply);
        Variant returnTemperature(returnT);
        v.returnEnthalpy = fiz.Iv(returnPressure, returnTemperature);
    }
    v.hotWaterEnthalpy = fiz.Iv(hotWaterPressure, hotWater);
    v.leakEnthalpyDifference =
        oleaut::checkedDouble((v.returnEnthalpy + v.supplyEnthalpy) / 2 - v.coldWaterEnthalpy);
}

void designVolumes(const ConsumerContext& c, const RowValues& v) {
    ConsumerRecordset& row = c.row;
    for (const DesignVolume& d : kDesignVolumes) {
        if (d.roundLoad) row.set(d.load, rounded(c, row[d.load]));
        const Variant given = row[d.given];
        const Variant volume =
            equalsZero(given) ? row[d.load] * Variant(d.byRegime ? v.regimeVolume : kHotWaterVolume)
                              : given;
        row.set(d.design, rounded(c, volume));
    }
    row.set(col::Vпотр_р, rounded(c, sumOf(row, kVolumeTerms)));
}

void leaksAndLosses(const ConsumerContext& c, const RowValues& v) {
    ConsumerRecordset& row = c.row;
    for (const Pair& leak : kLeaks)
        row.set(leak.result,
                rounded(c, load_update::leakOf(row[leak.from], v.leakRate, v.density)));
    row.set(col::Утпотр_п, sumOf(row, kLeakTerms));
    for (const Pair& loss : kLosses) {
        row.set(loss.result,
                rounded(c, load_update::leakHeatOf(row[loss.from], v.leakEnthalpyDifference)));
    }
    row.set(col::Птпотр_п, sumOf(row, kLossTerms));
}

void loadWithLosses(const ConsumerContext& c) {
    ConsumerRecordset& row = c.row;
    int16_t mode = row.integer(col::Подкл_с_потерями);
    GcalPerHour networkShare = row.number(col::ДоляПотерьТсетях);
    GcalPerHour localLosses = row.number(col::Птпотр_п);
    const Variant addition = c.self.SQ_Потр_пот(mode, networkShare, localLosses);
    row.set(col::SQсрчас_с_пот, rounded(c, row[col::SQсрчас] + addition));
}

}  // namespace kalvik::consumer_update
