// The consumer's outages: net working hours of each load (working hours less the outage hours,
// rounded under the rounding switch where the method rounds them) and its disconnection hours.
// Outages count where the variant uses them.

#include <algorithm>

#include "library/consumption/phases.hpp"

namespace kalvik::consumption {

namespace O = outage;

void outages(Run& run, ConsumerContext& c, MainRecordset&) {
    LoadHours outage;                       // outage hours per load
    LoadHours& off = c.disconnectionHours;  // the second hot water has none

    if (run.variant().outagesUsed && run.outageCount() > 0) {
        OutageRecordset& o = run.outageRows();
        o.select(kConsumerFilter, run.consumerText());
        for (; !o.eof(); o.moveNext()) {
            outage.heating += run.nz(o, O::ОтВр_откл);
            outage.hotWater += run.nz(o, O::ГвсВр_откл);
            outage.secondHotWater += run.nz(o, O::ГвсВр_откл_Пс);
            outage.technology += run.nz(o, O::ТехВр_откл);
            outage.technologicalHotWater += run.nz(o, O::ТгвсВр_откл);
            off.heating += run.nz(o, O::От_откл);
            off.hotWater += run.nz(o, O::ГВС_откл);
            off.technology += run.nz(o, O::Тех_откл);
            off.technologicalHotWater += run.nz(o, O::Техгвс_откл);
        }
    }

    const LoadHours& work = c.workingHours;
    LoadHours& net = c.netHours;
    const bool rounds = run.traits().roundsOutageHours;
    auto netOf = [&run, rounds](double working, double outageHours) {
        return std::max(0.0, working - (rounds ? run.rounding().roundQ(outageHours) : outageHours));
    };
    net.heating = netOf(work.heating, outage.heating);
    net.hotWater = netOf(work.hotWater, outage.hotWater);
    net.secondHotWater = netOf(work.secondHotWater, outage.secondHotWater);
    net.technology = netOf(work.technology, outage.technology);
    net.technologicalHotWater = netOf(work.technologicalHotWater, outage.technologicalHotWater);

    for (double* sum : {&off.heating, &off.hotWater, &off.technology, &off.technologicalHotWater})
        *sum = std::max(0.0, *sum);
}

}  // namespace kalvik::consumption
