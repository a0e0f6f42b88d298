#pragma once
// Columns of the rows of `pr_Dog_Obnovl_Potr_Poteri_Out` that the local loss spreading reads and
// writes, spelled as the database has them (`Npotr` only to name the consumer of a failed row);
// the seven loads with their loss and leak columns, and the contract's network shares with the
// consumer's columns they are copied to, as tables.

#include "library/services/column_list.hpp"

namespace kalvik::loss_spreading {

#define KALVIK_LOSS_SPREADING_COLUMNS(X)        \
    X(Npotr, "Npotr")                           \
    X(SQсрчас, "SQсрчас")                       \
    X(Pot_mest, "Pot_mest")                     \
    X(Yt_mest, "Yt_mest")                       \
    X(QHEAT26, "QHEAT26")                       \
    X(QVENT26, "QVENT26")                       \
    X(QVENT12, "QVENT12")                       \
    X(Qgvs, "Qgvs")                             \
    X(QGV_Пс, "QGV_Пс")                         \
    X(QTS, "QTS")                               \
    X(Qtgvs, "Qtgvs")                           \
    X(Птот_п, "Птот_п")                         \
    X(Птвент26_п, "Птвент26_п")                 \
    X(Птвент12_п, "Птвент12_п")                 \
    X(Птгвс_п, "Птгвс_п")                       \
    X(Птгвс_Пс_п, "Птгвс_Пс_п")                 \
    X(Пттех_п, "Пттех_п")                       \
    X(ПттехГВС_п, "ПттехГВС_п")                 \
    X(Птпотр_п, "Птпотр_п")                     \
    X(Утот_п, "Утот_п")                         \
    X(Утвент26_п, "Утвент26_п")                 \
    X(Утвент12_п, "Утвент12_п")                 \
    X(Утгвс_п, "Утгвс_п")                       \
    X(Утгвс_Пс_п, "Утгвс_Пс_п")                 \
    X(Уттех_п, "Уттех_п")                       \
    X(УттехГВС_п, "УттехГВС_п")                 \
    X(Утпотр_п, "Утпотр_п")                     \
    X(Pot_ts, "Pot_ts")                         \
    X(Yt_ts, "Yt_ts")                           \
    X(Pot_ts_yt, "Pot_ts_yt")                   \
    X(Pot_ts_ox, "Pot_ts_ox")                   \
    X(ДоляПотерьТсетях, "ДоляПотерьТсетях")     \
    X(ДоляУтечекТсетях, "ДоляУтечекТсетях")     \
    X(ДоляТПУтечекТсетях, "ДоляТПУтечекТсетях") \
    X(ДоляТПотерьТсетях, "ДоляТПотерьТсетях")

struct LocalLossRow {
    static constexpr auto kNames =
        std::to_array<std::string_view>({KALVIK_LOSS_SPREADING_COLUMNS(KALVIK_COLUMN_NAME)});
};
static_assert(eachNameOnce(LocalLossRow::kNames));

namespace col {
using C = Column<LocalLossRow>;
KALVIK_LOSS_SPREADING_COLUMNS(KALVIK_COLUMN_CONSTANT)
}  // namespace col

// One load kind: its load, its share of the local losses and its share of the local leaks.
struct LoadShare {
    col::C load;
    col::C loss;
    col::C leak;
};

// Both totals take all seven loads, the two ventilation regimes included.
inline constexpr LoadShare kLoadShares[] = {
    {col::QHEAT26, col::Птот_п, col::Утот_п},
    {col::QVENT26, col::Птвент26_п, col::Утвент26_п},
    {col::QVENT12, col::Птвент12_п, col::Утвент12_п},
    {col::Qgvs, col::Птгвс_п, col::Утгвс_п},
    {col::QGV_Пс, col::Птгвс_Пс_п, col::Утгвс_Пс_п},
    {col::QTS, col::Пттех_п, col::Уттех_п},
    {col::Qtgvs, col::ПттехГВС_п, col::УттехГВС_п},
};

// The contract's network shares and the consumer's columns that take them unchanged.
struct ShareCopy {
    col::C from;
    col::C to;
};

inline constexpr ShareCopy kNetworkShares[] = {
    {col::Pot_ts, col::ДоляПотерьТсетях},
    {col::Yt_ts, col::ДоляУтечекТсетях},
    {col::Pot_ts_yt, col::ДоляТПУтечекТсетях},
    {col::Pot_ts_ox, col::ДоляТПотерьТсетях},
};

}  // namespace kalvik::loss_spreading
