#pragma once
// The consumer's month totals and its connected load: "Всего Гкал" and `Всего_тн`, the connected
// losses chosen by the connection mode "Подкл с потерями", and the connected load. Each connected
// value comes plain and corrected (`_корр`): the corrected one weights every load by the share of
// the month it was not under a long outage, and the network share and the additional losses by
// the period share. A duplicate load adds nothing to the connected values.

#include <cstdint>
#include <optional>

#include "library/consumption/consumer_context.hpp"
#include "library/consumption/run_parameters.hpp"
#include "platform/oleaut/variant.hpp"

namespace kalvik::consumption {

// "Всего Гкал": ventilation, heating, hot water, second hot water, technology, technological hot
// water, the row's losses, flushing heat and withdrawal heat, summed in this order, unrounded.
[[nodiscard]] Gcal totalHeat(const ConsumerContext& c);

// "Всего ГкалТ12": the same sum with the figures by the network temperatures of ventilation,
// heating, technology and the losses.
[[nodiscard]] Gcal totalHeatT12(const ConsumerContext& c);

// `Всего_тн`: the row's leak total plus the technological hot-water flow, the hot-water flow and
// the flushing water, plus the withdrawal water; unrounded, Null when the leak total is Null.
[[nodiscard]] oleaut::Variant totalTonnes(const oleaut::Variant& Утечки_м3,
                                          const ConsumerContext& c);

// The source columns of the connected load, as the source row holds them.
struct ConnectionSource {
    oleaut::Variant Птот_п, Птгвс_п, Пттех_п, ПттехГВС_п;  // hourly losses per load
    oleaut::Variant QHEAT26, QGV_Пс, QTS;                  // design loads
    oleaut::Variant ДоляПотерьТсетях;                      // share of the network losses
    oleaut::Variant Доп_потери;                            // additional losses
    bool duplicateHotWater = false;                        // `Дубль_ГВС`
    bool duplicateTechnology = false;                      // `Дубль_Тех`
    bool duplicateTechnologicalHotWater = false;           // `Дубль_ТехГВС`
    // "Подкл с потерями", 0 to 3; none for another value, which leaves the connected losses as
    // the row holds them (`ТПподкл`, `ТПподкл_корр` below).
    std::optional<int16_t> mode = 0;
    // Modes 1 and 3 give 0 corrected losses when the corrected loss sum is 0.
    bool zeroTest = true;
    oleaut::Variant heldТПподкл, heldТПподкл_корр;
    oleaut::Variant modeValue;  // as read, for the failure of an unknown mode
};

// The four connected values as they go into the main row. Zeros of the loss columns are the
// integer 0; a Null network share or additional loss stays Null where no number is needed.
struct ConnectedLoad {
    oleaut::Variant ТПподкл;
    oleaut::Variant ТПподкл_корр;
    oleaut::Variant SQподкл;
    double SQподкл_корр = 0;
};

// The connected losses by the mode, then the connected load on the losses as rounded. With
// `Okryg` 0 all four values are rounded to `Qpk_znk` decimals. A Null that must become a number
// fails naming its column.
[[nodiscard]] ConnectedLoad connectedLoad(const ConnectionSource& source, const ConsumerContext& c,
                                          MonthShare periodShare, const RunParameters& p);

}  // namespace kalvik::consumption
