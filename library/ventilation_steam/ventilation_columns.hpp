#pragma once
// Column names of the ventilation calculation, spelled exactly as the database has them: `NN`,
// `Q` and the T of the T12 columns Latin; `Т1`, `Т2`, `Тн` and the other temperatures Cyrillic;
// the unit's flag is `АвтомВент` in the source and `АвтоматВент` in the result; "Твн TVNUT",
// "Подкл с потерями", "Расчет с потерями" and "Всего Гкал" with their blanks.
//
// Each kind of row has one list, X(constant, "name"), in the order of the row (see
// library/services/column_list.hpp).

#include "library/services/column_list.hpp"

namespace kalvik::ventilation {

// Unit rows of `pr_Isx_Vent_Potr`, one per ventilation unit (the source rows of the run).
#define KALVIK_VENT_SOURCE_COLUMNS(X)       \
    X(NN_вент, "NN_вент")                   \
    X(Qв_расч, "Qв_расч")                   \
    X(АвтомВент, "АвтомВент")               \
    X(Час_дн, "Час_дн")                     \
    X(Дни_неделю, "Дни_неделю")             \
    X(Нач_В, "Нач_В")                       \
    X(Кон_В, "Кон_В")                       \
    X(Тнро_рт, "Тнро_рт")                   \
    X(Тнрво, "Тнрво")                       \
    X(Тнро_нач, "Тнро_нач")                 \
    X(NDOG, "NDOG")                         \
    X(Главная, "Главная")                   \
    X(Главная1, "Главная1")                 \
    X(Nobkt, "Nobkt")                       \
    X(Npotr, "Npotr")                       \
    X(Кбал_кот, "Кбал_кот")                 \
    X(Кцирк, "Кцирк")                       \
    X(КциркМО, "КциркМО")                   \
    X(Коэфф_Перетопа, "Коэфф_Перетопа")     \
    X(КотоплМО, "КотоплМО")                 \
    X(K_Q_sn_ny, "K_Q_sn_ny")               \
    X(Кбал_G, "Кбал_G")                     \
    X(K_G_sn_ny, "K_G_sn_ny")               \
    X(Коэфф_Сниж, "Коэфф_Сниж")             \
    X(Vent_leto, "Vent_leto")               \
    X(Тнач, "Тнач")                         \
    X(Ткон, "Ткон")                         \
    X(R_tn_t12, "R_tn_t12")                 \
    X(Тпот_вент, "Тпот_вент")               \
    X(Тн, "Тн")                             \
    X(Твн_TVNUT, "Твн TVNUT")               \
    X(QVENT26_pr, "QVENT26_pr")             \
    X(PAR, "PAR")                           \
    X(Т1, "Т1")                             \
    X(Т2, "Т2")                             \
    X(Т1_р, "Т1_р")                         \
    X(Т2_р, "Т2_р")                         \
    X(Ут_Вент, "Ут_Вент")                   \
    X(Дубль_Вент, "Дубль_Вент")             \
    X(Подкл_с_потерями, "Подкл с потерями") \
    X(Расчет_с_потерями, "Расчет с потерями")

struct SourceRow {
    static constexpr auto kNames =
        std::to_array<std::string_view>({KALVIK_VENT_SOURCE_COLUMNS(KALVIK_COLUMN_NAME)});
};
static_assert(eachNameOnce(SourceRow::kNames));

namespace src {
using C = Column<SourceRow>;
KALVIK_VENT_SOURCE_COLUMNS(KALVIK_COLUMN_CONSTANT)
}  // namespace src

// Short outages of `pr_Otkl_vent_filtf`, filtered per unit.
#define KALVIK_VENT_OUTAGE_COLUMNS(X) \
    X(NNвентотк, "NNвентотк")         \
    X(ВентВр_откл_р, "ВентВр_откл_р")

struct OutageRow {
    static constexpr auto kNames =
        std::to_array<std::string_view>({KALVIK_VENT_OUTAGE_COLUMNS(KALVIK_COLUMN_NAME)});
};
static_assert(eachNameOnce(OutageRow::kNames));

namespace outage {
using C = Column<OutageRow>;
KALVIK_VENT_OUTAGE_COLUMNS(KALVIK_COLUMN_CONSTANT)
}  // namespace outage

// Long outages of `pr_Otkl_vent_Dlit`, filtered per unit.
#define KALVIK_VENT_LONG_OUTAGE_COLUMNS(X) \
    X(NNВентТабл, "NNВентТабл")            \
    X(ПотНачВент, "ПотНачВент")            \
    X(ПотКонВент, "ПотКонВент")            \
    X(ВремПостВент, "ВремПостВент")

struct LongOutageRow {
    static constexpr auto kNames =
        std::to_array<std::string_view>({KALVIK_VENT_LONG_OUTAGE_COLUMNS(KALVIK_COLUMN_NAME)});
};
static_assert(eachNameOnce(LongOutageRow::kNames));

namespace long_outage {
using C = Column<LongOutageRow>;
KALVIK_VENT_LONG_OUTAGE_COLUMNS(KALVIK_COLUMN_CONSTANT)
}  // namespace long_outage

// The result row, in the order of first writing; its key `NNрасчТеплВент` is the database's. The
// six T12 columns are written by the revisions only (kT12Columns).
#define KALVIK_VENT_RESULT_COLUMNS(X)   \
    X(NDOG, "NDOG")                     \
    X(Главная, "Главная")               \
    X(Главная1, "Главная1")             \
    X(Nobkt, "Nobkt")                   \
    X(Npotr, "Npotr")                   \
    X(NNВентОснТабл, "NNВентОснТабл")   \
    X(K_Q_sn_ny, "K_Q_sn_ny")           \
    X(Кбал_G, "Кбал_G")                 \
    X(K_G_sn_ny, "K_G_sn_ny")           \
    X(ДатаРед, "ДатаРед")               \
    X(Период_н_табл, "Период_н_табл")   \
    X(Период_к_табл, "Период_к_табл")   \
    X(Тнач, "Тнач")                     \
    X(Ткон, "Ткон")                     \
    X(АвтоматВент, "АвтоматВент")       \
    X(Qвент12, "Qвент12")               \
    X(Qвент26, "Qвент26")               \
    X(Qвент12T12, "Qвент12T12")         \
    X(Qвент26T12, "Qвент26T12")         \
    X(Утвент12_п, "Утвент12_п")         \
    X(Утвент26_п, "Утвент26_п")         \
    X(Утечки_вент_м3, "Утечки_вент_м3") \
    X(ВрмРабЧас, "ВрмРабЧас")           \
    X(ВрмОтклЧас, "ВрмОтклЧас")         \
    X(Qвподкл, "Qвподкл")               \
    X(Qвподкл_корр, "Qвподкл_корр")     \
    X(ТПвподкл, "ТПвподкл")             \
    X(ТПвподкл_корр, "ТПвподкл_корр")   \
    X(ТПвподклT12, "ТПвподклT12")       \
    X(Потери, "Потери")                 \
    X(ПотериT12, "ПотериT12")           \
    X(Pot_vent, "Pot_vent")             \
    X(Pot_vent12, "Pot_vent12")         \
    X(Y_vent_sum, "Y_vent_sum")         \
    X(Q_Y_vent_sum, "Q_Y_vent_sum")     \
    X(Всего_Гкал, "Всего Гкал")         \
    X(Всего_ГкалT12, "Всего ГкалT12")   \
    X(Твент, "Твент")                   \
    X(Твент_без_уз, "Твент_без_уз")     \
    X(Примечание, "Примечание")         \
    X(План_Вент, "План_Вент")           \
    X(Год_Прасч, "Год_Прасч")           \
    X(Месяц_Прасч, "Месяц_Прасч")

struct ResultRow {
    static constexpr auto kNames =
        std::to_array<std::string_view>({KALVIK_VENT_RESULT_COLUMNS(KALVIK_COLUMN_NAME)});
};
static_assert(eachNameOnce(ResultRow::kNames));

namespace result {
using C = Column<ResultRow>;
KALVIK_VENT_RESULT_COLUMNS(KALVIK_COLUMN_CONSTANT)
}  // namespace result

// The columns that only the revisions write; the current method leaves them Null.
inline constexpr std::array<std::string_view, 6> kT12Columns = {
    result::Qвент12T12.name, result::Qвент26T12.name, result::ТПвподклT12.name,
    result::ПотериT12.name,  result::Pot_vent12.name, result::Всего_ГкалT12.name};

// The key of a result row, which the appending selection tests for Null.
inline constexpr std::string_view kResultKey = "NNрасчТеплВент";

}  // namespace kalvik::ventilation
