#pragma once
// Column names of the consumption calculation's result rows, the main row and its hours row,
// spelled exactly as the database has them; the form of the lists is that of columns.hpp.

#include "library/services/column_list.hpp"

namespace kalvik::consumption {

// Main result row, in the order of first assignment (`NNрасчТепл`, its key, first).
#define KALVIK_MAIN_ROW_COLUMNS(X)                    \
    X(NNрасчТепл, "NNрасчТепл")                       \
    X(NDOG, "NDOG")                                   \
    X(Главная, "Главная")                             \
    X(Главная1, "Главная1")                           \
    X(Nobkt, "Nobkt")                                 \
    X(Npotr, "Npotr")                                 \
    X(НДС_пар, "НДС_пар")                             \
    X(Спец_налог_пар, "Спец налог_пар")               \
    X(Зона, "Зона")                                   \
    X(NN_ЦТП_сч, "NN ЦТП сч")                         \
    X(Тнврасч, "Тнврасч")                             \
    X(Период_н_табл, "Период_н_табл")                 \
    X(Период_к_табл, "Период_к_табл")                 \
    X(NNтарифа, "NNтарифа")                           \
    X(Тариф, "Тариф")                                 \
    X(ТарифЗаПодкл, "ТарифЗаПодкл")                   \
    X(ТарифВода, "ТарифВода")                         \
    X(ТарифГВС, "ТарифГВС")                           \
    X(Кчел, "Кчел")                                   \
    X(Км2, "Км2")                                     \
    X(Тгр, "Тгр")                                     \
    X(Т1ц, "Т1ц")                                     \
    X(Т2ц, "Т2ц")                                     \
    X(Тгвц, "Тгвц")                                   \
    X(Тхв, "Тхв")                                     \
    X(Тн, "Тн")                                       \
    X(K_Q_sn_ny, "K_Q_sn_ny")                         \
    X(Кбал_G, "Кбал_G")                               \
    X(K_G_sn_ny, "K_G_sn_ny")                         \
    X(Год, "Год")                                     \
    X(Месяц, "Месяц")                                 \
    X(Т_гв_потр, "Т_гв_потр")                         \
    X(Кцирк, "Кцирк")                                 \
    X(Коэфф_Перетопа_Потр, "Коэфф_Перетопа_Потр")     \
    X(КциркМО, "КциркМО")                             \
    X(К_Сн_ГВС, "К_Сн_ГВС")                           \
    X(ПериодИзмПодкл, "ПериодИзмПодкл")               \
    X(Ккот, "Ккот")                                   \
    X(Qот, "Qот")                                     \
    X(Птот_п_р, "Птот_п_р")                           \
    X(Утот_п, "Утот_п")                               \
    X(QотТ12, "QотТ12")                               \
    X(Птот_п_рТ12, "Птот_п_рТ12")                     \
    X(Qгвс, "Qгвс")                                   \
    X(Птгвс_п_р, "Птгвс_п_р")                         \
    X(Утгвс_п, "Утгвс_п")                             \
    X(Qгвс_пс, "Qгвс_пс")                             \
    X(Птгвс_Пс_п_р, "Птгвс_Пс_п_р")                   \
    X(Утгвс_Пс_п, "Утгвс_Пс_п")                       \
    X(Qтех, "Qтех")                                   \
    X(Пттех_п_р, "Пттех_п_р")                         \
    X(Уттех_п, "Уттех_п")                             \
    X(QтехТ12, "QтехТ12")                             \
    X(Пттех_п_рТ12, "Пттех_п_рТ12")                   \
    X(Qтехгвс, "Qтехгвс")                             \
    X(ПттехГВС_п_р, "ПттехГВС_п_р")                   \
    X(УттехГВС_п, "УттехГВС_п")                       \
    X(Qвент12, "Qвент12")                             \
    X(Qвент26, "Qвент26")                             \
    X(Птвент26_п_р, "Птвент26_п_р")                   \
    X(Птвент12_п_р, "Птвент12_п_р")                   \
    X(Утвент26_п, "Утвент26_п")                       \
    X(Утвент12_п, "Утвент12_п")                       \
    X(Qвент12Т12, "Qвент12Т12")                       \
    X(Qвент26Т12, "Qвент26Т12")                       \
    X(Птвент26_п_рТ12, "Птвент26_п_рТ12")             \
    X(Птвент12_п_рТ12, "Птвент12_п_рТ12")             \
    X(ГВС_Тн, "ГВС_Тн")                               \
    X(Техн_ГВС_Тн, "Техн_ГВС_Тн")                     \
    X(Расх_ГВС_Тгсв, "Расх_ГВС_Тгсв")                 \
    X(ГВС_Тн_Nr, "ГВС_Тн_Nr")                         \
    X(Техн_ГВС_Тн_Nr, "Техн_ГВС_Тн_Nr")               \
    X(Утечки_м3, "Утечки_м3")                         \
    X(Потери, "Потери")                               \
    X(ПотериТ12, "ПотериТ12")                         \
    X(Промывки_Гкал, "Промывки Гкал")                 \
    X(Промывки_т_час, "Промывки т/час")               \
    X(Otbor_Gk, "Otbor_Gk")                           \
    X(Otbor_Tn, "Otbor_Tn")                           \
    X(Ут_потр_п, "Ут_потр_п")                         \
    X(Птпотр_п_р, "Птпотр_п_р")                       \
    X(Всего_Гкал, "Всего Гкал")                       \
    X(Всего_ГкалТ12, "Всего ГкалТ12")                 \
    X(Всего_тн, "Всего_тн")                           \
    X(ТПподкл, "ТПподкл")                             \
    X(ТПподкл_корр, "ТПподкл_корр")                   \
    X(SQподкл, "SQподкл")                             \
    X(SQподкл_корр, "SQподкл_корр")                   \
    X(Тотоп, "Тотоп")                                 \
    X(Твент, "Твент")                                 \
    X(Тгвс, "Тгвс")                                   \
    X(Тгвс_Пс, "Тгвс_Пс")                             \
    X(Ттех, "Ттех")                                   \
    X(ТтехГВС, "ТтехГВС")                             \
    X(Тотоп_ЖСК, "Тотоп_ЖСК")                         \
    X(Твент_ЖСК, "Твент_ЖСК")                         \
    X(Тгвс_ЖСК, "Тгвс_ЖСК")                           \
    X(ПодклОтоп, "ПодклОтоп")                         \
    X(ПодклГВС, "ПодклГВС")                           \
    X(QHEAT26, "QHEAT26")                             \
    X(QVENT26, "QVENT26")                             \
    X(Qgvs, "Qgvs")                                   \
    X(QGV_Пс, "QGV_Пс")                               \
    X(QTS, "QTS")                                     \
    X(Qtgvs, "Qtgvs")                                 \
    X(k_ctr, "k_ctr")                                 \
    X(k_ctr_пдкл, "k_ctr_пдкл")                       \
    X(Доп_потери, "Доп_потери")                       \
    X(План, "План")                                   \
    X(SQсрчас, "SQсрчас")                             \
    X(SQсрчас_с_пот, "SQсрчас с пот")                 \
    X(Утпотр_п_подк, "Утпотр_п_подк")                 \
    X(Птпотр_п_подк, "Птпотр_п_подк")                 \
    X(ДоляУтечекТсетях_подк, "ДоляУтечекТсетях_подк") \
    X(ДоляПотерьТсетях_подк, "ДоляПотерьТсетях_подк") \
    X(Год_Прасч, "Год_Прасч")                         \
    X(Месяц_Прасч, "Месяц_Прасч")                     \
    X(QотУз, "QотУз")                                 \
    X(QвентУз, "QвентУз")                             \
    X(QгвсУз, "QгвсУз")                               \
    X(QтехУз, "QтехУз")                               \
    X(Qгвс_псУз, "Qгвс_псУз")                         \
    X(QтехгвсУз, "QтехгвсУз")                         \
    X(SQпоузлууч, "SQпоузлууч")                       \
    X(Потери_в_тсетях, "Потери в тсетях")             \
    X(Потери_в_тсетяхТ12, "Потери в тсетяхТ12")       \
    X(УчетПлат, "УчетПлат")                           \
    X(ДоляУтечекТсетях, "ДоляУтечекТсетях")           \
    X(ДоляТПУтечекТсетях, "ДоляТПУтечекТсетях")       \
    X(ДоляТПотерьТсетях, "ДоляТПотерьТсетях")         \
    X(ДоляУтечекТсетяхТ12, "ДоляУтечекТсетяхТ12")     \
    X(ДоляТПУтечекТсетяхТ12, "ДоляТПУтечекТсетяхТ12") \
    X(ДоляТПотерьТсетяхТ12, "ДоляТПотерьТсетяхТ12")   \
    X(Y_potr_Yz, "Y_potr_Yz")                         \
    X(Q_Y_potr_Yz, "Q_Y_potr_Yz")                     \
    X(Y_potr_Sn, "Y_potr_Sn")                         \
    X(Q_Y_potr_Sn, "Q_Y_potr_Sn")                     \
    X(Y_potr_sum, "Y_potr_sum")                       \
    X(Q_Y_potr_sum, "Q_Y_potr_sum")                   \
    X(Q_Y_potr_sum12, "Q_Y_potr_sum12")               \
    X(Y_ot_pt, "Y_ot_pt")                             \
    X(Y_vent_pt, "Y_vent_pt")                         \
    X(Y_gvs_pt, "Y_gvs_pt")                           \
    X(Y_gvs_ps_pt, "Y_gvs_ps_pt")                     \
    X(Y_tex_pt, "Y_tex_pt")                           \
    X(Y_texgvs_pt, "Y_texgvs_pt")                     \
    X(Y_sum_pt, "Y_sum_pt")                           \
    X(Q_Y_ot_pt, "Q_Y_ot_pt")                         \
    X(Q_Y_vent_pt, "Q_Y_vent_pt")                     \
    X(Q_Y_gvs_pt, "Q_Y_gvs_pt")                       \
    X(Q_Y_gvs_ps_pt, "Q_Y_gvs_ps_pt")                 \
    X(Q_Y_tex_pt, "Q_Y_tex_pt")                       \
    X(Q_Y_texgvs_pt, "Q_Y_texgvs_pt")                 \
    X(Q_Y_sum_pt, "Q_Y_sum_pt")                       \
    X(Y_tc_pt, "Y_tc_pt")                             \
    X(Q_tc_sum_pt, "Q_tc_sum_pt")                     \
    X(Gгвс_уз_pt, "Gгвс_уз_pt")                       \
    X(Gтехгвс_уз_pt, "Gтехгвс_уз_pt")                 \
    X(Q_sn_ny, "Q_sn_ny")                             \
    X(G_sn_ny, "G_sn_ny")                             \
    X(Pot_mest, "Pot_mest")                           \
    X(Yt_mest, "Yt_mest")                             \
    X(Pot_mest_do, "Pot_mest_do")                     \
    X(Yt_mest_do, "Yt_mest_do")                       \
    X(Pot_ts_do, "Pot_ts_do")                         \
    X(Yt_ts_do, "Yt_ts_do")                           \
    X(Y_sn_yz, "Y_sn_yz")                             \
    X(Время_тс, "Время_тс")                           \
    X(PAR, "PAR")                                     \
    X(Qот_Тн, "Qот_Тн")                               \
    X(Qвент12_Тн, "Qвент12_Тн")                       \
    X(Qвент26_Тн, "Qвент26_Тн")                       \
    X(Qтех_Тн, "Qтех_Тн")                             \
    X(Qгвс_пс_Тн, "Qгвс_пс_Тн")                       \
    X(Qот_уз_Тн, "Qот_уз_Тн")                         \
    X(Qвент12_уз_Тн, "Qвент12_уз_Тн")                 \
    X(Qвент26_уз_Тн, "Qвент26_уз_Тн")                 \
    X(Qтех_уз_Тн, "Qтех_уз_Тн")                       \
    X(Qгвс_пс_уз_Тн, "Qгвс_пс_уз_Тн")                 \
    X(Примечание, "Примечание")

struct MainRow {
    static constexpr auto kNames =
        std::to_array<std::string_view>({KALVIK_MAIN_ROW_COLUMNS(KALVIK_COLUMN_NAME)});
};
static_assert(eachNameOnce(MainRow::kNames));

namespace main_row {
using C = Column<MainRow>;
KALVIK_MAIN_ROW_COLUMNS(KALVIK_COLUMN_CONSTANT)
}  // namespace main_row

// Hours row of the `_Время` table, in writing order.
#define KALVIK_HOURS_ROW_COLUMNS(X)   \
    X(NNрасчТепл, "NNрасчТепл")       \
    X(NDOG, "NDOG")                   \
    X(Главная, "Главная")             \
    X(Nobkt, "Nobkt")                 \
    X(Npotr, "Npotr")                 \
    X(План, "План")                   \
    X(Период_н_табл, "Период_н_табл") \
    X(Период_к_табл, "Период_к_табл") \
    X(Год_Прасч, "Год_Прасч")         \
    X(Месяц_Прасч, "Месяц_Прасч")     \
    X(Год, "Год")                     \
    X(Месяц, "Месяц")                 \
    X(Тотоп_r, "Тотоп_r")             \
    X(Твент_r, "Твент_r")             \
    X(Тгвс_r, "Тгвс_r")               \
    X(Тгвс_Пс_r, "Тгвс_Пс_r")         \
    X(Ттех_r, "Ттех_r")               \
    X(ТтехГВС_r, "ТтехГВС_r")         \
    X(Тотоп, "Тотоп")                 \
    X(Твент, "Твент")                 \
    X(Тгвс, "Тгвс")                   \
    X(Тгвс_Пс, "Тгвс_Пс")             \
    X(Ттех, "Ттех")                   \
    X(ТтехГВС, "ТтехГВС")             \
    X(t_max_ot, "t_max_ot")           \
    X(t_max_gv, "t_max_gv")           \
    X(t_max, "t_max")

struct HoursRow {
    static constexpr auto kNames =
        std::to_array<std::string_view>({KALVIK_HOURS_ROW_COLUMNS(KALVIK_COLUMN_NAME)});
};
static_assert(eachNameOnce(HoursRow::kNames));

namespace hours_row {
using C = Column<HoursRow>;
KALVIK_HOURS_ROW_COLUMNS(KALVIK_COLUMN_CONSTANT)
}  // namespace hours_row

}  // namespace kalvik::consumption
