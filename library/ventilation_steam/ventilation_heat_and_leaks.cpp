// Heat and leaks of the unit, in the 12 columns when its regime starts at the ventilation design
// temperature, else in the 26 columns; then its working and outage hours.

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

void heatAndLeaks(Run& run, const UnitValues& u, ResultRecordset& row) {
    const bool t12 = run.rules().t12Columns;
    const Variant zero = int16_t{0};
    setEach(row, kHeatColumns, zero);
    if (t12) setEach(row, kT12HeatColumns, zero);
    setEach(row, kLeakColumns, zero);

    SourceRecordset& s = run.source();
    if (u.loadFactor != 0) {
        const Variant heat = u.loadFactor * u.coefficientProduct();
        const Variant leaks =
            product(s[S::Ут_Вент], u.net, u.heatingMultiplier, u.Кбал_G, u.K_G_sn_ny);
        const bool twelve = oleaut::isTrue(oleaut::eq(s[S::Тнач], Variant(u.Тнрво)));
        row.set(twelve ? R::Qвент12 : R::Qвент26, heat);
        row.set(twelve ? R::Утвент12_п : R::Утвент26_п, leaks);
    }
    auto roundQ = [&](const Variant& v) { return run.roundQ(v); };
    auto roundG = [&](const Variant& v) { return run.roundG(v); };
    roundEach(row, kHeatColumns, roundQ);
    roundEach(row, kLeakColumns, roundG);
    // A revision's T12 heat stays 0 (kT12Factor); its columns and the leaks are rounded again.
    if (t12) {
        roundEach(row, kT12HeatColumns, roundQ);
        roundEach(row, kLeakColumns, roundG);
    }
    row.set(R::Утечки_вент_м3, row[R::Утвент12_п] + row[R::Утвент26_п]);

    row.set(R::ВрмРабЧас, u.working);
    row.set(R::ВрмОтклЧас, u.outage);
}

}  // namespace kalvik::ventilation
