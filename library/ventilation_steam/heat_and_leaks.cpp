// Heat and leaks of the unit, in the 12 columns when its regime starts at the ventilation design
// temperature, else in the 26 columns; then its working and outage hours.

#include "library/services/products.hpp"
#include "library/ventilation_steam/phases.hpp"

namespace kalvik::ventilation {

using oleaut::Variant;
namespace S = src;
namespace R = result;

void heatAndLeaks(Run& run, const UnitValues& u, ResultRecordset& row) {
    for (const Column<ResultRow> column : {R::Qвент12, R::Qвент26, R::Утвент12_п, R::Утвент26_п})
        row.set(column, int16_t{0});

    SourceRecordset& s = run.source();
    if (u.loadFactor != 0) {
        const Variant heat = u.loadFactor * u.coefficientProduct();
        const Variant leaks =
            product(s[S::Ут_Вент], u.net, u.heatingMultiplier, u.Кбал_G, u.K_G_sn_ny);
        const bool twelve = oleaut::isTrue(oleaut::eq(s[S::Тнач], Variant(u.Тнрво)));
        row.set(twelve ? R::Qвент12 : R::Qвент26, heat);
        row.set(twelve ? R::Утвент12_п : R::Утвент26_п, leaks);
    }
    for (const Column<ResultRow> column : {R::Qвент12, R::Qвент26})
        row.set(column, run.roundQ(row[column]));
    for (const Column<ResultRow> column : {R::Утвент12_п, R::Утвент26_п})
        row.set(column, run.roundG(row[column]));
    row.set(R::Утечки_вент_м3, row[R::Утвент12_п] + row[R::Утвент26_п]);

    row.set(R::ВрмРабЧас, u.working);
    row.set(R::ВрмОтклЧас, u.outage);
}

}  // namespace kalvik::ventilation
