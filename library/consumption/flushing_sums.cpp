// The consumer's flushing and withdrawal sums, rounded under the rounding switch: heat to `Q_znk`,
// water to `G_znk` decimals.

#include "library/consumption/phases.hpp"

namespace kalvik::consumption {

namespace F = flushing;

void flushingSums(Run& run, ConsumerContext& c, MainRecordset&) {
    FlushingSums& sums = c.flushings;
    if (run.flushingCount() <= 0) return;

    FlushingRecordset& f = run.flushingRows();
    f.select(kFlushingConsumerFilter, run.consumerText());
    if (f.recordCount() == 0) return;
    for (; !f.eof(); f.moveNext()) {
        sums.flushingHeat += run.nz(f, F::Пром_Гкал);
        sums.flushingWater += run.nz(f, F::Пром_т_час);
        sums.withdrawalHeat += run.nz(f, F::Otbor_Gk);
        sums.withdrawalWater += run.nz(f, F::Otbor_Tn);
    }
    sums.flushingHeat = run.rounding().roundQ(sums.flushingHeat);
    sums.withdrawalHeat = run.rounding().roundQ(sums.withdrawalHeat);
    sums.flushingWater = run.rounding().roundG(sums.flushingWater);
    sums.withdrawalWater = run.rounding().roundG(sums.withdrawalWater);
}

}  // namespace kalvik::consumption
