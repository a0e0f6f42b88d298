// Working hours of each load before outages: `ВремяРаботы` of the load's weekly value, weekday
// mask and daily window over the period, or 0 for a load that is 0.

#include "library/consumption/phases.hpp"

namespace kalvik::consumption {

using oleaut::Variant;
namespace S = src;

void workingHours(Run& run, ConsumerContext& c, MainRecordset&) {
    SourceRecordset& s = run.source();
    LoadHours& h = c.workingHours;

    // A Null load is not equal to 0, so its hours are computed.
    h.heating = equalsZero(s[S::QHEAT26])
                    ? 0
                    : run.ВремяРаботы(s[S::Nheat], s[S::Dheat], int16_t{0}, int16_t{24});
    h.hotWater = equalsZero(c.Qgvs)
                     ? 0
                     : run.ВремяРаботы(s[S::NGVS], s[S::DGVS], s[S::Нач_ГВС], s[S::Кон_ГВС]);
    // The second hot water runs round the clock, whatever the consumer's masks say.
    h.secondHotWater = equalsZero(s[S::QGV_Пс])
                           ? 0
                           : run.ВремяРаботы(int16_t{24}, "+++++++", int16_t{0}, int16_t{24});
    h.technology = equalsZero(s[S::QTS])
                       ? 0
                       : run.ВремяРаботы(s[S::NTS], s[S::DTS], s[S::Нач_Тех], s[S::Кон_Тех]);
    h.technologicalHotWater = equalsZero(c.Qtgvs) ? 0
                                                  : run.ВремяРаботы(s[S::NTGVS], s[S::DTGVS],
                                                                    s[S::Нач_ТГВС], s[S::Кон_ТГВС]);
}

}  // namespace kalvik::consumption
