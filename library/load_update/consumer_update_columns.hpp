#pragma once
// Column names of the consumer load update, spelled exactly as the database has them: a Latin P
// in "P гв", "P подающ" and "P обрат"; a Cyrillic Т in "Т подающ", "Т обрат", `Тхвот`, `Тнро`,
// `Тнро_рт` and `Т_гв_потр`; "Твн TVNUT", "Режим 95", "Подкл с потерями" and "SQсрчас с пот"
// with their blanks.
//
// Each kind of row has one list, X(constant, "name") (see library/services/column_list.hpp).

#include "library/services/column_list.hpp"

namespace kalvik::consumer_update {

// Consumer rows of `pr_Potreb_Obnovl`, read and written back in place.
#define KALVIK_CONSUMER_UPDATE_COLUMNS(X)       \
    X(Npotr, "Npotr")                           \
    X(Тхвот, "Тхвот")                           \
    X(Тнро_рт, "Тнро_рт")                       \
    X(Тнро, "Тнро")                             \
    X(Твн_TVNUT, "Твн TVNUT")                   \
    X(P_гв, "P гв")                             \
    X(Т_гв_потр, "Т_гв_потр")                   \
    X(P_подающ, "P подающ")                     \
    X(Т_подающ, "Т подающ")                     \
    X(P_обрат, "P обрат")                       \
    X(Т_обрат, "Т обрат")                       \
    X(Режим_95, "Режим 95")                     \
    X(Режим_150, "Режим 150")                   \
    X(v_ot150, "v_ot150")                       \
    X(v_ot130, "v_ot130")                       \
    X(v_ot110, "v_ot110")                       \
    X(v_ot95, "v_ot95")                         \
    X(QHEAT, "QHEAT")                           \
    X(Qt_ПС, "Qt_ПС")                           \
    X(QHEAT26, "QHEAT26")                       \
    X(QVENT26, "QVENT26")                       \
    X(Qgvs, "Qgvs")                             \
    X(QGV_Пс, "QGV_Пс")                         \
    X(Qtgvs, "Qtgvs")                           \
    X(QTS, "QTS")                               \
    X(PAR, "PAR")                               \
    X(Ут_дол, "Ут_дол")                         \
    X(QHEAT26_t_vkn, "QHEAT26_t_vkn")           \
    X(QVENT26_t_vkn, "QVENT26_t_vkn")           \
    X(QGVS_t_vkn, "QGVS_t_vkn")                 \
    X(QGV_Пс_t_vkn, "QGV_Пс_t_vkn")             \
    X(QTS_t_vkn, "QTS_t_vkn")                   \
    X(QTGVS_t_vkn, "QTGVS_t_vkn")               \
    X(Vот_п, "Vот_п")                           \
    X(Vгвс_п, "Vгвс_п")                         \
    X(Vгвс_Пс_п, "Vгвс_Пс_п")                   \
    X(VтехГВС_п, "VтехГВС_п")                   \
    X(Vтех_п, "Vтех_п")                         \
    X(Vот_р, "Vот_р")                           \
    X(Vвент26_р, "Vвент26_р")                   \
    X(Vгвс_р, "Vгвс_р")                         \
    X(Vгвс_Пс_р, "Vгвс_Пс_р")                   \
    X(VтехГВС_р, "VтехГВС_р")                   \
    X(Vтех_р, "Vтех_р")                         \
    X(Vпотр_р, "Vпотр_р")                       \
    X(Утвент26_п, "Утвент26_п")                 \
    X(Птвент26_п, "Птвент26_п")                 \
    X(G_vent, "G_vent")                         \
    X(SQсрчас, "SQсрчас")                       \
    X(ДоляУтечекТсетях, "ДоляУтечекТсетях")     \
    X(ДоляТПУтечекТсетях, "ДоляТПУтечекТсетях") \
    X(ДоляТПотерьТсетях, "ДоляТПотерьТсетях")   \
    X(ДоляПотерьТсетях, "ДоляПотерьТсетях")     \
    X(Утот_п, "Утот_п")                         \
    X(Утгвс_п, "Утгвс_п")                       \
    X(Утгвс_Пс_п, "Утгвс_Пс_п")                 \
    X(УттехГВС_п, "УттехГВС_п")                 \
    X(Уттех_п, "Уттех_п")                       \
    X(Утпотр_п, "Утпотр_п")                     \
    X(Птот_п, "Птот_п")                         \
    X(Птгвс_п, "Птгвс_п")                       \
    X(Птгвс_Пс_п, "Птгвс_Пс_п")                 \
    X(ПттехГВС_п, "ПттехГВС_п")                 \
    X(Пттех_п, "Пттех_п")                       \
    X(Птпотр_п, "Птпотр_п")                     \
    X(Подкл_с_потерями, "Подкл с потерями")     \
    X(SQсрчас_с_пот, "SQсрчас с пот")           \
    X(G_ot, "G_ot")                             \
    X(G_GV_Пс, "G_GV_Пс")                       \
    X(G_tex, "G_tex")                           \
    X(G_tex_gvs, "G_tex_gvs")                   \
    X(G_GVS, "G_GVS")                           \
    X(QHEAT26_p_vkn, "QHEAT26_p_vkn")           \
    X(QVENT26_p_vkn, "QVENT26_p_vkn")           \
    X(QGVS_p_vkn, "QGVS_p_vkn")                 \
    X(QGV_Пс_p_vkn, "QGV_Пс_p_vkn")             \
    X(QTS_p_vkn, "QTS_p_vkn")                   \
    X(QTGVS_p_vkn, "QTGVS_p_vkn")               \
    X(Дубль_Тех, "Дубль_Тех")                   \
    X(Дубль_ТехГВС, "Дубль_ТехГВС")             \
    X(Дубль_ГВС, "Дубль_ГВС")                   \
    X(Закр_Отк_Обк, "Закр_Отк_Обк")             \
    X(SQ_Пар, "SQ_Пар")                         \
    X(S_Q_пот_местн, "S_Q_пот_местн")           \
    X(S_G_пот_местн, "S_G_пот_местн")           \
    X(S_G_пот_тсеть, "S_G_пот_тсеть")           \
    X(S_Q_пот_тсеть, "S_Q_пот_тсеть")           \
    X(SG_пар, "SG_пар")                         \
    X(S_Gvkn_Конд, "S_Gvkn_Конд")               \
    X(S_Qvkn_Конд, "S_Qvkn_Конд")               \
    X(SG_Конд, "SG_Конд")                       \
    X(QHEAT26_par, "QHEAT26_par")               \
    X(QVENT12_par, "QVENT12_par")               \
    X(QVENT26_par, "QVENT26_par")               \
    X(QGVS_par, "QGVS_par")                     \
    X(QGV_Пс_par, "QGV_Пс_par")                 \
    X(QTS_par, "QTS_par")                       \
    X(QTGVS_par, "QTGVS_par")                   \
    X(QHEAT26_Gvkn, "QHEAT26_Gvkn")             \
    X(QVENT12_Gvkn, "QVENT12_Gvkn")             \
    X(QVENT26_Gvkn, "QVENT26_Gvkn")             \
    X(QGVS_Gvkn, "QGVS_Gvkn")                   \
    X(QGV_Пс_Gvkn, "QGV_Пс_Gvkn")               \
    X(QTS_Gvkn, "QTS_Gvkn")                     \
    X(QTGVS_Gvkn, "QTGVS_Gvkn")                 \
    X(QHEAT26_Qvkn, "QHEAT26_Qvkn")             \
    X(QVENT12_Qvkn, "QVENT12_Qvkn")             \
    X(QVENT26_Qvkn, "QVENT26_Qvkn")             \
    X(QGVS_Qvkn, "QGVS_Qvkn")                   \
    X(QGV_Пс_Qvkn, "QGV_Пс_Qvkn")               \
    X(QTS_Qvkn, "QTS_Qvkn")                     \
    X(QTGVS_Qvkn, "QTGVS_Qvkn")

struct ConsumerRow {
    static constexpr auto kNames =
        std::to_array<std::string_view>({KALVIK_CONSUMER_UPDATE_COLUMNS(KALVIK_COLUMN_NAME)});
};
static_assert(eachNameOnce(ConsumerRow::kNames));

namespace col {
using C = Column<ConsumerRow>;
KALVIK_CONSUMER_UPDATE_COLUMNS(KALVIK_COLUMN_CONSTANT)
}  // namespace col

// Ventilation sums of `pr_Obn_Sum_Qvent`, one row per consumer, filtered by `Npotr`.
#define KALVIK_CONSUMER_UPDATE_VENT_SUM_COLUMNS(X) \
    X(Npotr, "Npotr")                              \
    X(Qв_расч_Дубль, "Qв_расч_Дубль")              \
    X(V_вент_Дубль, "V_вент_Дубль")                \
    X(Ут_вент_Дубль, "Ут_вент_Дубль")              \
    X(Тпот_вент_Дубль, "Тпот_вент_Дубль")          \
    X(G_vent_Дубль, "G_vent_Дубль")

struct VentSumRow {
    static constexpr auto kNames = std::to_array<std::string_view>(
        {KALVIK_CONSUMER_UPDATE_VENT_SUM_COLUMNS(KALVIK_COLUMN_NAME)});
};
static_assert(eachNameOnce(VentSumRow::kNames));

namespace sums {
using C = Column<VentSumRow>;
KALVIK_CONSUMER_UPDATE_VENT_SUM_COLUMNS(KALVIK_COLUMN_CONSTANT)
}  // namespace sums

}  // namespace kalvik::consumer_update
