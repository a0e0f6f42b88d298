// The hours each load worked, the shares of the month the heating and hot-water loads were
// connected, the design loads, the construction factors, the additional losses and `План`, as
// plain assignments to the main row. The `_ЖСК` columns repeat three of the hours.

#include "library/consumption/phases.hpp"

namespace kalvik::consumption {

void loadHours(Run& run, const ConsumerContext& c, MainRecordset& row) {
    namespace M = main_row;
    namespace S = src;
    SourceRecordset& s = run.source();
    const LoadHours& hours = c.netHours;
    const double ventilation = c.ventilation.hours;

    row.set(M::Тотоп, hours.heating);
    row.set(M::Твент, ventilation);
    row.set(M::Тгвс, hours.hotWater);
    row.set(M::Тгвс_Пс, hours.secondHotWater);
    row.set(M::Ттех, hours.technology);
    row.set(M::ТтехГВС, hours.technologicalHotWater);
    row.set(M::Тотоп_ЖСК, hours.heating);
    row.set(M::Твент_ЖСК, ventilation);
    row.set(M::Тгвс_ЖСК, hours.hotWater);
    row.set(M::ПодклОтоп, c.monthShares.heating);
    row.set(M::ПодклГВС, c.monthShares.hotWater);
    row.set(M::QHEAT26, s[S::QHEAT26]);
    row.set(M::QVENT26, s[S::QVENT26]);
    row.set(M::Qgvs, c.Qgvs);
    row.set(M::QGV_Пс, s[S::QGV_Пс]);
    row.set(M::QTS, s[S::QTS]);
    row.set(M::Qtgvs, c.Qtgvs);
    row.set(M::k_ctr, c.heating.constructionFactor);
    row.set(M::k_ctr_пдкл, c.heating.connectionConstructionFactor);
    row.set(M::Доп_потери, s[S::Доп_потери]);
    row.set(M::План, run.parameters().План);
}

}  // namespace kalvik::consumption
