// Technology heat and technological hot-water heat, with their losses and leaks. Technology has
// no temperature factor and no hot-water factor; technological hot water takes both from the
// hot-water phase, but not the reduction `К_Сн_ГВС`.

#include "library/consumption/phases.hpp"
#include "library/consumption/row_rounding.hpp"
#include "library/services/products.hpp"

namespace kalvik::consumption {

using oleaut::Variant;
namespace M = main_row;
namespace S = src;

namespace {

void technology(Run& run, ConsumerContext& c, MainRecordset& row) {
    SourceRecordset& s = run.source();
    const SourceCoefficients& k = c.coefficients;
    const double hours = c.netHours.technology;
    row.set(M::Qтех, product(s[S::QTS], hours, k.Кцирк, k.Кбал_кот, k.K_Q_sn_ny, s[S::QTS_pr]));
    row.set(M::Пттех_п_р,
            product(s[S::Пттех_п], hours, k.Кцирк, k.Кбал_кот, k.K_Q_sn_ny, s[S::QTS_pr]));
    row.set(M::Уттех_п, product(s[S::Уттех_п], hours, k.Кбал_G, k.K_G_sn_ny, s[S::QTS_pr]));
    c.technology.Qтех = roundLoad(run, row, {M::Qтех, M::Пттех_п_р, M::Уттех_п});
}

// The technology figure by the network temperatures: the same products without `QTS_pr`, no leak.
void technologyT12(Run& run, ConsumerContext& c, MainRecordset& row) {
    SourceRecordset& s = run.source();
    const SourceCoefficients& k = c.coefficients;
    const double hours = c.netHours.technology;
    row.set(M::QтехТ12, product(s[S::QTS], hours, k.Кцирк, k.Кбал_кот, k.K_Q_sn_ny));
    row.set(M::Пттех_п_рТ12, product(s[S::Пттех_п], hours, k.Кцирк, k.Кбал_кот, k.K_Q_sn_ny));
    if (run.rounding().rounds()) {
        row.set(M::QтехТ12, run.rounding().roundQ(row[M::QтехТ12]));
        row.set(M::Пттех_п_рТ12, run.rounding().roundQ(row[M::Пттех_п_рТ12]));
    }
    c.technology.QтехТ12 = row.number(M::QтехТ12);
}

void technologicalHotWater(Run& run, ConsumerContext& c, MainRecordset& row) {
    SourceRecordset& s = run.source();
    const SourceCoefficients& k = c.coefficients;
    const HotWaterValues& hw = c.hotWater;
    const double hours = c.netHours.technologicalHotWater;
    const Variant load = product(c.Qtgvs, hw.temperatureFactor);
    row.set(M::Qтехгвс,
            product(load, hw.factor, hours, k.Кцирк, k.Кбал_кот, k.K_Q_sn_ny, s[S::QTGVS_pr]));
    row.set(M::ПттехГВС_п_р, product(s[S::ПттехГВС_п], hw.temperatureFactor, hw.factor, hours,
                                     k.Кцирк, k.Кбал_кот, k.K_Q_sn_ny, s[S::QTGVS_pr]));
    row.set(M::УттехГВС_п,
            product(s[S::УттехГВС_п], hw.factor, hours, k.Кбал_G, k.K_G_sn_ny, s[S::QTGVS_pr]));
    c.technology.Qтехгвс = roundLoad(run, row, {M::Qтехгвс, M::ПттехГВС_п_р, M::УттехГВС_п});
}

}  // namespace

void technologyHeat(Run& run, ConsumerContext& c, MainRecordset& row) {
    technology(run, c, row);
    if (run.traits().t12Technology) technologyT12(run, c, row);
    technologicalHotWater(run, c, row);
}

}  // namespace kalvik::consumption
