#pragma once
// The main row's closing columns: the connection values copied from the source row, the columns
// this calculation leaves at 0 (the node, payment and network-share columns that other
// calculations fill), and the remark that lists the hours of each load.

#include <string>

#include "library/consumption/columns.hpp"
#include "library/consumption/consumer_context.hpp"
#include "library/services/row_fields.hpp"

namespace kalvik::consumption {

// Copied unchanged, Null included.
inline constexpr ColumnCopy<MainRow, SourceRow> kConnectionCopies[] = {
    {main_row::SQсрчас, src::SQсрчас},
    {main_row::SQсрчас_с_пот, src::SQсрчас_с_пот},
    {main_row::Утпотр_п_подк, src::Утпотр_п},
    {main_row::Птпотр_п_подк, src::Птпотр_п},
    {main_row::ДоляУтечекТсетях_подк, src::ДоляУтечекТсетях},
    {main_row::ДоляПотерьТсетях_подк, src::ДоляПотерьТсетях},
};

// Set to 0 before `PAR` is copied, in this order. Kept as found: `Время_тс` is cleared here and
// gets its value with the hours row.
inline constexpr Column<MainRow> kClearedColumns[] = {
    main_row::QотУз,
    main_row::QвентУз,
    main_row::QгвсУз,
    main_row::QтехУз,
    main_row::Qгвс_псУз,
    main_row::QтехгвсУз,
    main_row::SQпоузлууч,
    main_row::Потери_в_тсетях,
    main_row::УчетПлат,
    main_row::ДоляУтечекТсетях,
    main_row::ДоляТПУтечекТсетях,
    main_row::ДоляТПотерьТсетях,
    main_row::Y_potr_Yz,
    main_row::Q_Y_potr_Yz,
    main_row::Y_potr_Sn,
    main_row::Q_Y_potr_Sn,
    main_row::Y_potr_sum,
    main_row::Q_Y_potr_sum,
    main_row::Y_ot_pt,
    main_row::Y_vent_pt,
    main_row::Y_gvs_pt,
    main_row::Y_gvs_ps_pt,
    main_row::Y_tex_pt,
    main_row::Y_texgvs_pt,
    main_row::Y_sum_pt,
    main_row::Q_Y_ot_pt,
    main_row::Q_Y_vent_pt,
    main_row::Q_Y_gvs_pt,
    main_row::Q_Y_gvs_ps_pt,
    main_row::Q_Y_tex_pt,
    main_row::Q_Y_texgvs_pt,
    main_row::Q_Y_sum_pt,
    main_row::Y_tc_pt,
    main_row::Q_tc_sum_pt,
    main_row::Gгвс_уз_pt,
    main_row::Gтехгвс_уз_pt,
    main_row::Q_sn_ny,
    main_row::G_sn_ny,
    main_row::Pot_mest,
    main_row::Yt_mest,
    main_row::Pot_mest_do,
    main_row::Yt_mest_do,
    main_row::Pot_ts_do,
    main_row::Yt_ts_do,
    main_row::Y_sn_yz,
    main_row::Время_тс,
};

// Also set to 0 by a method with the figures by the network temperatures: each stands beside its
// namesake among the columns above (`Q_Y_potr_sum12` also holds 0 after the totals).
inline constexpr Column<MainRow> kClearedT12Columns[] = {
    main_row::Потери_в_тсетяхТ12,   main_row::ДоляУтечекТсетяхТ12, main_row::ДоляТПУтечекТсетяхТ12,
    main_row::ДоляТПотерьТсетяхТ12, main_row::Q_Y_potr_sum12,
};

// Set to 0 after `PAR` is copied, in this order.
inline constexpr Column<MainRow> kClearedTonneColumns[] = {
    main_row::Qот_Тн,     main_row::Qвент12_Тн,    main_row::Qвент26_Тн,    main_row::Qтех_Тн,
    main_row::Qгвс_пс_Тн, main_row::Qот_уз_Тн,     main_row::Qвент12_уз_Тн, main_row::Qвент26_уз_Тн,
    main_row::Qтех_уз_Тн, main_row::Qгвс_пс_уз_Тн,
};

// `Примечание`: the hours of heating, ventilation, hot water, second hot water, technology and
// technological hot water after their labels, the numbers in the general form of the regional
// settings ("ВрОт= 744 СрВрВент. 372.5ВрГвс= 744 ВрГвс_Пс= 0 ВрТех= 0 ВрТехГвс= 0").
[[nodiscard]] std::string remark(const LoadHours& hours, Hours ventilationHours);

}  // namespace kalvik::consumption
