// One ventilation unit's row, phase by phase: its numbers, the cold-water enthalpy, the volume
// factor of its supply temperature, the daily hours, the medium (steam or water) with the flow,
// then the rounded load, volume, leak and leak heat, each computed from the value stored before.
// Beside each phase: what it reads, what it writes of the unit values, and the columns it sets.

#include "library/load_update/unit_update.hpp"

#include <string>

#include "library/load_update/design_rules.hpp"
#include "library/services/network_water.hpp"
#include "library/services/products.hpp"
#include "library/services/row_progress.hpp"
#include "platform/oleaut/math.hpp"

namespace kalvik::unit_update {

using oleaut::Variant;

namespace {

constexpr std::string_view kProgressLabel = "Обновление вентиляции";

// Volume of the unit's system per Gcal/h of load, m³, by the regime of its supply temperature.
constexpr load_update::PerRegime<double> kVolumeFactors{5.5, 6.0, 6.5, 8.5};

// The values of one row that the phases hand on to the later ones.
struct UnitValues {
    double volumeFactor = 0;
    double leakRate = 0;
    double density = 0;                // rho of the leaking medium, kg/m³
    KcalPerKg coldEnthalpy = 0;        // hc
    KcalPerKg supplyEnthalpy = 0;      // hs
    KcalPerKg returnEnthalpy = 0;      // hr
    KcalPerKg condensateEnthalpy = 0;  // hk, steam units only
    KcalPerKg leakEnthalpyRise = 0;    // dh = (hr + hs) / 2 - hc
};

// Enthalpy of water; `Iv` may write its Null defaults into its arguments, which are copies.
KcalPerKg waterEnthalpy(IFiz_par& fizPar, Variant pressure, Variant temperature) {
    return fizPar.Iv(pressure, temperature);
}

// Sets the column, then sets it again as its stored value rounded.
void writeRounded(UnitRecordset& row, unit::C column, const Variant& value, int16_t decimals) {
    row.set(column, value);
    row.set(column, oleaut::Round(row[column], decimals));
}

// Reads `Npotr` and `NN_вент` as whole numbers; a unit row without them is broken. Row: none.
void unitNumbers(UnitRecordset& row) {
    (void)row.longInteger(unit::Npotr);
    (void)row.longInteger(unit::NN_вент);
}

// Reads "P гв" and `Тхвот` (or the given temperature). Writes coldEnthalpy. Row: none.
void coldWaterEnthalpy(UnitRecordset& row, const UnitUpdate& update, UnitValues& u) {
    const std::optional<Celsius>& given = update.coldWater.given;
    const Variant temperature = given ? Variant(*given) : Variant(row.number(unit::Тхвот));
    u.coldEnthalpy = waterEnthalpy(update.fizPar, absolutePressure(row[unit::P_гв]), temperature);
}

// Reads "Т подающ". Writes volumeFactor, 0 for a Null temperature: the factor is set afresh for
// every row, so that no other unit's temperature decides this one's volume. Row: none.
void volumeFactor(UnitRecordset& row, UnitValues& u) {
    const Variant supply = row[unit::Т_подающ];
    u.volumeFactor = 0;
    if (supply.isNull()) return;
    if (const auto regime = load_update::supplyRegime(row.number(unit::Т_подающ)))
        u.volumeFactor = kVolumeFactors[*regime];
}

// Reads `Кон_В`, `Нач_В`. Row: `Час_дн`.
void dailyHours(UnitRecordset& row) {
    row.set(unit::Час_дн, row[unit::Кон_В] - row[unit::Нач_В]);
}

// The medium of a steam unit (`PAR` > 0): reads coldEnthalpy, `Ут_дол`, the pressures,
// "Т обрат", the condensate columns and `Qв_расч` as read. Writes leakRate, density and the
// enthalpies. Row: `G_vent`.
void steamMedium(UnitRecordset& row, const UnitUpdate& update, UnitValues& u) {
    IFiz_par& fizPar = update.fizPar;
    u.leakRate = load_update::steamLeakRate(row[unit::Ут_дол], unit::Ут_дол.name);
    Variant steamPressure = absolutePressure(row[unit::P_подающ]);
    u.density = oleaut::quotient(1, fizPar.Vsp(steamPressure));
    u.supplyEnthalpy = fizPar.Isp(steamPressure);
    const Variant returnPressure = absolutePressure(row[unit::P_обрат]);
    u.returnEnthalpy = waterEnthalpy(fizPar, returnPressure, row[unit::Т_обрат]);
    u.leakEnthalpyRise = (u.returnEnthalpy + u.supplyEnthalpy) / 2 - u.coldEnthalpy;
    u.condensateEnthalpy = waterEnthalpy(fizPar, returnPressure, row[unit::QVENT26_t_vkn]);
    // 1000 × the load first, unlike the consumer update's flows: the order decides the last digit.
    const Variant heatPerTonne = Variant(u.supplyEnthalpy - u.coldEnthalpy) -
                                 Variant(u.condensateEnthalpy - u.coldEnthalpy) *
                                     row[unit::QVENT26_p_vkn] / Variant(int16_t{100});
    row.set(unit::G_vent, Variant(int16_t{1000}) * row[unit::Qв_расч] / heatPerTonne);
}

// The medium of a water unit (`PAR` 0, negative or Null): reads coldEnthalpy, the pressures,
// both temperatures (a Null one ends the run: `Iv` would take it for 0 °C) and `Qв_расч` as read.
// Writes leakRate, density and the enthalpies. Row: `G_vent`.
void waterMedium(UnitRecordset& row, const UnitUpdate& update, UnitValues& u) {
    IFiz_par& fizPar = update.fizPar;
    (void)row.number(unit::Т_подающ);
    (void)row.number(unit::Т_обрат);
    u.leakRate = load_update::kWaterLeakRate;
    const Variant two(int16_t{2});
    Variant meanPressure = absolutePressure((row[unit::P_подающ] + row[unit::P_обрат]) / two);
    Variant meanTemperature = (row[unit::Т_подающ] + row[unit::Т_обрат]) / two;
    u.density = oleaut::quotient(1, fizPar.Vv(meanPressure, meanTemperature));
    u.supplyEnthalpy =
        waterEnthalpy(fizPar, absolutePressure(row[unit::P_подающ]), row[unit::Т_подающ]);
    u.returnEnthalpy =
        waterEnthalpy(fizPar, absolutePressure(row[unit::P_обрат]), row[unit::Т_обрат]);
    u.leakEnthalpyRise = (u.returnEnthalpy + u.supplyEnthalpy) / 2 - u.coldEnthalpy;
    // 1000 × the load first, unlike the consumer update's flows: the order decides the last digit.
    row.set(unit::G_vent, Variant(int16_t{1000}) * row[unit::Qв_расч] /
                              Variant(u.supplyEnthalpy - u.returnEnthalpy));
}

// steamMedium or waterMedium, by `PAR`. Like the consumer update's medium but kept apart: each
// asks Fiz_par for its own values in its own order, and that order is the order in which a row
// can fail.
void mediumAndFlow(UnitRecordset& row, const UnitUpdate& update, UnitValues& u) {
    if (oleaut::isTrue(oleaut::gt(row[unit::PAR], Variant(int16_t{0}))))
        steamMedium(row, update, u);
    else
        waterMedium(row, update, u);
}

// Reads `Qв_расч` and `G_vent` as they stand. Row: both, rounded.
void roundedLoadAndFlow(UnitRecordset& row, const UnitUpdate& update) {
    writeRounded(row, unit::Qв_расч, row[unit::Qв_расч], update.Qpk_znk);
    writeRounded(row, unit::G_vent, row[unit::G_vent], update.Qpk_znk);
}

// Reads `V_вент_п`, the rounded `Qв_расч`, volumeFactor. Row: `V_вент_р`.
void systemVolume(UnitRecordset& row, const UnitUpdate& update, const UnitValues& u) {
    const Variant given = row[unit::V_вент_п];
    const Variant volume = equalsZero(given) ? product(row[unit::Qв_расч], u.volumeFactor) : given;
    writeRounded(row, unit::V_вент_р, volume, update.Qpk_znk);
}

// Reads the rounded `V_вент_р`, leakRate, density. Row: `Ут_Вент`.
void leak(UnitRecordset& row, const UnitUpdate& update, const UnitValues& u) {
    writeRounded(row, unit::Ут_Вент,
                 load_update::leakOf(row[unit::V_вент_р], u.leakRate, u.density), update.Qpk_znk);
}

// Reads the rounded `Ут_Вент`, leakEnthalpyRise. Row: `Тпот_вент`.
void leakHeat(UnitRecordset& row, const UnitUpdate& update, const UnitValues& u) {
    writeRounded(row, unit::Тпот_вент,
                 load_update::leakHeatOf(row[unit::Ут_Вент], u.leakEnthalpyRise), update.Qpk_znk);
}

std::string textOf(const Variant& value) {
    return value.isNull() ? std::string("Null") : oleaut::CStr(value);
}

// "unit 7 (consumer 101)".
std::string unitLabel(UnitRecordset& row) {
    return "unit " + textOf(row[unit::NN_вент]) + " (consumer " + textOf(row[unit::Npotr]) + ")";
}

}  // namespace

void updateUnit(UnitRecordset& row, const UnitUpdate& update) {
    UnitValues u;
    unitNumbers(row);
    coldWaterEnthalpy(row, update, u);
    volumeFactor(row, u);
    dailyHours(row);
    mediumAndFlow(row, update, u);
    roundedLoadAndFlow(row, update);
    systemVolume(row, update, u);
    leak(row, update, u);
    leakHeat(row, update, u);
}

void updateUnits(UnitRecordset& units, const UnitUpdate& update, RowProgress* progress) {
    units.recordset().MoveFirst();
    while (!units.eof()) {
        if (progress) progress->beginRow(std::string(kProgressLabel));
        try {
            updateUnit(units, update);
            units.update();
        } catch (const oleaut::Error& e) {
            units.cancelUpdate();
            throw e.withContext(unitLabel(units));
        } catch (...) {
            units.cancelUpdate();
            throw;
        }
        if (progress) progress->endRow();
        units.moveNext();
    }
}

}  // namespace kalvik::unit_update
