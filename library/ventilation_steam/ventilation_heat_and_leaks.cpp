// Heat and leaks of the unit, in the 12 columns when its regime starts at the ventilation design
// temperature, else in the 26 columns; and its working and outage hours.

#include "library/services/products.hpp"
#include "library/ventilation_steam/ventilation_phases.hpp"

namespace kalvik::ventilation {

using oleaut::Variant;
namespace S = src;
namespace R = result;

namespace {

constexpr Column<ResultRow> kHeatColumns[] = {R::Qвент12, R::Qвент26};
constexpr Column<ResultRow> kT12HeatColumns[] = {R::Qвент12T12, R::Qвент26T12};
constexpr Column<ResultRow> kLeakColumns[] = {R::Утвент12_п, R::Утвент26_п};

template <std::size_t N>
void setEach(ResultRecordset& row, const Column<ResultRow> (&columns)[N], const Variant& value) {
    for (const Column<ResultRow> column : columns)
        row.set(column, value);
}

// Each column rounded as it stands in the row.
template <std::size_t N, class Rounding>
void roundEach(ResultRecordset& row, const Column<ResultRow> (&columns)[N], Rounding round) {
    for (const Column<ResultRow> column : columns)
        row.set(column, round(row[column]));
}

}  // namespace

void heatAndLeaks(SourceRecordset& unit, ResultRecordset& row, double loadFactor, Hours net,
                  const UnitCoefficients& k, Celsius Тнрво, const RunRules& rules,
                  const ResultRounding& rounding) {
    const bool t12 = rules.t12Columns;
    const Variant zero = int16_t{0};
    setEach(row, kHeatColumns, zero);
    if (t12) setEach(row, kT12HeatColumns, zero);
    setEach(row, kLeakColumns, zero);

    if (loadFactor != 0) {
        const Variant heat = loadFactor * coefficientProduct(net, k);
        const Variant leaks =
            product(unit[S::Ут_Вент], net, k.heatingMultiplier, k.Кбал_G, k.K_G_sn_ny);
        const bool twelve = oleaut::isTrue(oleaut::eq(unit[S::Тнач], Variant(Тнрво)));
        row.set(twelve ? R::Qвент12 : R::Qвент26, heat);
        row.set(twelve ? R::Утвент12_п : R::Утвент26_п, leaks);
    }
    auto roundQ = [&](const Variant& v) { return rounding.roundQ(v); };
    auto roundG = [&](const Variant& v) { return rounding.roundG(v); };
    roundEach(row, kHeatColumns, roundQ);
    roundEach(row, kLeakColumns, roundG);
    // A revision's T12 heat stays 0 (kT12Factor); its columns and the leaks are rounded again.
    if (t12) {
        roundEach(row, kT12HeatColumns, roundQ);
        roundEach(row, kLeakColumns, roundG);
    }
    row.set(R::Утечки_вент_м3, row[R::Утвент12_п] + row[R::Утвент26_п]);
}

void hoursColumns(ResultRecordset& row, Hours working, Hours outage) {
    row.set(R::ВрмРабЧас, working);
    row.set(R::ВрмОтклЧас, outage);
}

}  // namespace kalvik::ventilation
