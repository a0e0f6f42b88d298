// The consumer's long outages: per load, the share of the month during which the load was not cut
// off. A row's clipped hours count in full when its `ОтВремПост` is 1, otherwise weighted by 1 less
// the load's own share column; a load that is 0 counts nothing. Long outages count where the
// variant uses them.

#include <algorithm>

#include "library/consumption/phases.hpp"

namespace kalvik::consumption {

using oleaut::Variant;
namespace L = long_outage;
namespace S = src;

namespace {

struct LoadColumns {
    Column<LongOutageRow> start, end, share;
};

// Adds one load's hours of the current long-outage row to its sum. `weight` is the row's weight,
// which a load replaces by 1 less its share unless the row's `ОтВремПост` is 1.
void addLoad(Run& run, LongOutageRecordset& l, bool loadIsZero, const LoadColumns& load,
             double& weight, double& sum) {
    if (loadIsZero) {
        sum = 0;
        return;
    }
    const double hours = run.РасчВремДлитОткл(l[load.start], l[load.end]);
    if (hours <= 0) return;
    // Kept as found: every load tests the heating column `ОтВремПост`, not its own share.
    if (oleaut::isTrue(oleaut::ne(l[L::ОтВремПост], int16_t{1})))
        weight = number(Variant(int16_t{1}) - l[load.share], load.share.name);
    sum += hours * weight;
}

}  // namespace

void longOutages(Run& run, ConsumerContext& c, MainRecordset&) {
    LongOutageShares hours;  // long-outage hours per load

    if (run.variant().longOutagesUsed && run.longOutageCount() > 0) {
        LongOutageRecordset& l = run.longOutageRows();
        SourceRecordset& s = run.source();
        l.select(kConsumerFilter, run.consumerText());
        for (; !l.eof(); l.moveNext()) {
            double weight = 1;
            addLoad(run, l, equalsZero(s[S::QHEAT26]), {L::ПотопНач, L::ПотопКон, L::ОтВремПост},
                    weight, hours.heating);
            addLoad(run, l, equalsZero(c.Qgvs), {L::ПгвсНач, L::ПгвсКон, L::ГВСВремПост}, weight,
                    hours.hotWater);
            addLoad(run, l, equalsZero(s[S::QTS]), {L::ПтехНач, L::ПтехКон, L::ТехВремПост}, weight,
                    hours.technology);
            addLoad(run, l, equalsZero(c.Qtgvs), {L::ПтгвсНач, L::ПтгвсКон, L::ТГВСВремПост},
                    weight, hours.technologicalHotWater);
        }
    }

    const RunPeriod& v = run.period();
    auto share = [&v](double longOutageHours) {
        return std::max(0.0, (v.periodHours - longOutageHours) / v.monthHours);
    };
    c.monthShares = {share(hours.heating), share(hours.hotWater), share(hours.technology),
                     share(hours.technologicalHotWater)};
}

}  // namespace kalvik::consumption
