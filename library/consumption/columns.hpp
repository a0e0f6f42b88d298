#pragma once
// Column names of the consumption calculation, spelled exactly as the database has them (blanks,
// Latin and Cyrillic letters as they stand: "ГВС в меж  отоп" has two blanks, "К сниж ГВС (K3)" a
// Latin K, `Т1`, `Т2`, `Тн` and the hour columns a Cyrillic Т).
//
// Each kind of row has one list, X(constant, "name"), in the order of the row; it gives both the
// row's names (kNames) and a namespace of named constants (see column_list.hpp). Adding a column
// is one line of its list.

#include "library/services/column_list.hpp"

namespace kalvik::consumption {

// Consumer rows of `pr_Isxod_Potr`, one per consumer (the source rows of the run).
#define KALVIK_SOURCE_COLUMNS(X)                    \
    X(Npotr, "Npotr")                               \
    X(PAR, "PAR")                                   \
    X(Qgvs, "Qgvs")                                 \
    X(Qtgvs, "Qtgvs")                               \
    X(QHEAT26, "QHEAT26")                           \
    X(Nheat, "Nheat")                               \
    X(Dheat, "Dheat")                               \
    X(NGVS, "NGVS")                                 \
    X(DGVS, "DGVS")                                 \
    X(Нач_ГВС, "Нач_ГВС")                           \
    X(Кон_ГВС, "Кон_ГВС")                           \
    X(QGV_Пс, "QGV_Пс")                             \
    X(QTS, "QTS")                                   \
    X(NTS, "NTS")                                   \
    X(DTS, "DTS")                                   \
    X(Нач_Тех, "Нач_Тех")                           \
    X(Кон_Тех, "Кон_Тех")                           \
    X(NTGVS, "NTGVS")                               \
    X(DTGVS, "DTGVS")                               \
    X(Нач_ТГВС, "Нач_ТГВС")                         \
    X(Кон_ТГВС, "Кон_ТГВС")                         \
    X(Тнро_рт, "Тнро_рт")                           \
    X(Тнро_нач, "Тнро_нач")                         \
    X(Тхвот, "Тхвот")                               \
    X(NDOG, "NDOG")                                 \
    X(Главная, "Главная")                           \
    X(Главная1, "Главная1")                         \
    X(Nobkt, "Nobkt")                               \
    X(Зона, "Зона")                                 \
    X(ЦТП, "ЦТП")                                   \
    X(Тн, "Тн")                                     \
    X(Период_н, "Период_н")                         \
    X(Период_к, "Период_к")                         \
    X(NTAX, "NTAX")                                 \
    X(Стоимость_1_Гкал, "Стоимость 1 Гкал")         \
    X(Стоимость_1_Гкал_час, "Стоимость 1 Гкал/час") \
    X(СтоимостьВоды_руб_т, "СтоимостьВоды_руб/т")   \
    X(Стоим_Гкал_ГВС, "Стоим_Гкал_ГВС")             \
    X(QUS, "QUS")                                   \
    X(SROOM, "SROOM")                               \
    X(Тгр, "Тгр")                                   \
    X(Т1, "Т1")                                     \
    X(Т2, "Т2")                                     \
    X(Тгв, "Тгв")                                   \
    X(Тхв, "Тхв")                                   \
    X(Кбал_кот, "Кбал_кот")                         \
    X(K_Q_sn_ny, "K_Q_sn_ny")                       \
    X(Кбал_G, "Кбал_G")                             \
    X(K_G_sn_ny, "K_G_sn_ny")                       \
    X(Т_гв_потр, "Т_гв_потр")                       \
    X(Кцирк, "Кцирк")                               \
    X(R_tn_t12, "R_tn_t12")                         \
    X(Коэфф_Перетопа, "Коэфф_Перетопа")             \
    X(КциркМО, "КциркМО")                           \
    X(КотоплМО, "КотоплМО")                         \
    X(Ot_leto, "Ot_leto")                           \
    X(К_ГВС, "К_ГВС")                               \
    X(Т1_р, "Т1_р")                                 \
    X(Т2_р, "Т2_р")                                 \
    X(Твн_TVNUT, "Твн TVNUT")                       \
    X(QHEAT26_pr, "QHEAT26_pr")                     \
    X(Птот_п, "Птот_п")                             \
    X(Стр_проц, "Стр_проц")                         \
    X(Стр_проц_подкл, "Стр_проц_подкл")             \
    X(Дат_нач_стр, "Дат_нач_стр")                   \
    X(Дат_кон_стр, "Дат_кон_стр")                   \
    X(Утот_п, "Утот_п")                             \
    X(ГВС_в_меж_отоп, "ГВС в меж  отоп")            \
    X(К_сниж_ГВС_K3, "К сниж ГВС (K3)")             \
    X(КоэффГВС_СНиП, "КоэффГВС_СНиП")               \
    X(TMO, "TMO")                                   \
    X(КоэффГВС, "КоэффГВС")                         \
    X(TMO_СНиП, "TMO_СНиП")                         \
    X(Norma_Gk, "Norma_Gk")                         \
    X(QGVS_pr, "QGVS_pr")                           \
    X(Ed_izm_Gk, "Ed_izm_Gk")                       \
    X(Птгвс_п, "Птгвс_п")                           \
    X(Утгвс_п, "Утгвс_п")                           \
    X(QGV_Пс_pr, "QGV_Пс_pr")                       \
    X(Птгвс_Пс_п, "Птгвс_Пс_п")                     \
    X(Утгвс_Пс_п, "Утгвс_Пс_п")                     \
    X(QTS_pr, "QTS_pr")                             \
    X(Пттех_п, "Пттех_п")                           \
    X(Уттех_п, "Уттех_п")                           \
    X(QTGVS_pr, "QTGVS_pr")                         \
    X(ПттехГВС_п, "ПттехГВС_п")                     \
    X(УттехГВС_п, "УттехГВС_п")                     \
    X(P1_гвс, "P1_гвс")                             \
    X(Закр_Отк_Обк, "Закр_Отк_Обк")                 \
    X(Расчет_с_потерями, "Расчет с потерями")       \
    X(Дубль_ГВС, "Дубль_ГВС")                       \
    X(Дубль_Тех, "Дубль_Тех")                       \
    X(Дубль_ТехГВС, "Дубль_ТехГВС")                 \
    X(Подкл_с_потерями, "Подкл с потерями")         \
    X(ДоляПотерьТсетях, "ДоляПотерьТсетях")         \
    X(Доп_потери, "Доп_потери")                     \
    X(QVENT26, "QVENT26")                           \
    X(SQсрчас, "SQсрчас")                           \
    X(SQсрчас_с_пот, "SQсрчас с пот")               \
    X(Утпотр_п, "Утпотр_п")                         \
    X(Птпотр_п, "Птпотр_п")                         \
    X(ДоляУтечекТсетях, "ДоляУтечекТсетях")

struct SourceRow {
    static constexpr auto kNames =
        std::to_array<std::string_view>({KALVIK_SOURCE_COLUMNS(KALVIK_COLUMN_NAME)});
};
static_assert(eachNameOnce(SourceRow::kNames));

namespace src {
using C = Column<SourceRow>;
KALVIK_SOURCE_COLUMNS(KALVIK_COLUMN_CONSTANT)
}  // namespace src

// Outage rows of `pr_Otkl_Potr_filtr` / `pr_Otkl_Potr_filtr_Plan`, filtered per consumer.
#define KALVIK_OUTAGE_COLUMNS(X)      \
    X(Npotr, "Npotr")                 \
    X(ОтВр_откл, "ОтВр_откл")         \
    X(ГвсВр_откл, "ГвсВр_откл")       \
    X(ГвсВр_откл_Пс, "ГвсВр_откл_Пс") \
    X(ТехВр_откл, "ТехВр_откл")       \
    X(ТгвсВр_откл, "ТгвсВр_откл")     \
    X(От_откл, "От_откл")             \
    X(ГВС_откл, "ГВС_откл")           \
    X(Тех_откл, "Тех_откл")           \
    X(Техгвс_откл, "Техгвс_откл")

struct OutageRow {
    static constexpr auto kNames =
        std::to_array<std::string_view>({KALVIK_OUTAGE_COLUMNS(KALVIK_COLUMN_NAME)});
};
static_assert(eachNameOnce(OutageRow::kNames));

namespace outage {
using C = Column<OutageRow>;
KALVIK_OUTAGE_COLUMNS(KALVIK_COLUMN_CONSTANT)
}  // namespace outage

// Long-outage rows of `pr_Potr_Dl_Otkl`, filtered per consumer.
#define KALVIK_LONG_OUTAGE_COLUMNS(X) \
    X(Npotr, "Npotr")                 \
    X(ПотопНач, "ПотопНач")           \
    X(ПотопКон, "ПотопКон")           \
    X(ОтВремПост, "ОтВремПост")       \
    X(ПгвсНач, "ПгвсНач")             \
    X(ПгвсКон, "ПгвсКон")             \
    X(ГВСВремПост, "ГВСВремПост")     \
    X(ПтехНач, "ПтехНач")             \
    X(ПтехКон, "ПтехКон")             \
    X(ТехВремПост, "ТехВремПост")     \
    X(ПтгвсНач, "ПтгвсНач")           \
    X(ПтгвсКон, "ПтгвсКон")           \
    X(ТГВСВремПост, "ТГВСВремПост")

struct LongOutageRow {
    static constexpr auto kNames =
        std::to_array<std::string_view>({KALVIK_LONG_OUTAGE_COLUMNS(KALVIK_COLUMN_NAME)});
};
static_assert(eachNameOnce(LongOutageRow::kNames));

namespace long_outage {
using C = Column<LongOutageRow>;
KALVIK_LONG_OUTAGE_COLUMNS(KALVIK_COLUMN_CONSTANT)
}  // namespace long_outage

// Flushing and withdrawal rows of `pr_Promyvki` / `pr_Promyvki_Plan`, filtered per consumer.
#define KALVIK_FLUSHING_COLUMNS(X) \
    X(NNпотр_пром, "NNпотр пром")  \
    X(Пром_Гкал, "Пром Гкал")      \
    X(Пром_т_час, "Пром т/час")    \
    X(Otbor_Gk, "Otbor_Gk")        \
    X(Otbor_Tn, "Otbor_Tn")

struct FlushingRow {
    static constexpr auto kNames =
        std::to_array<std::string_view>({KALVIK_FLUSHING_COLUMNS(KALVIK_COLUMN_NAME)});
};
static_assert(eachNameOnce(FlushingRow::kNames));

namespace flushing {
using C = Column<FlushingRow>;
KALVIK_FLUSHING_COLUMNS(KALVIK_COLUMN_CONSTANT)
}  // namespace flushing

// Ventilation results summed per consumer: `pr_Sum_Qvent` / `pr_Sum_Qvent_Dog_Plan`.
#define KALVIK_VENTILATION_SUM_COLUMNS(X)           \
    X(Npotr, "Npotr")                               \
    X(Sum_Qвент12, "Sum-Qвент12")                   \
    X(Sum_Qвент26, "Sum-Qвент26")                   \
    X(Sum_Потери, "Sum-Потери")                     \
    X(Sum_ТПвподкл, "Sum-ТПвподкл")                 \
    X(Sum_Qвподкл, "Sum-Qвподкл")                   \
    X(Sum_ТПвподкл_корр, "Sum-ТПвподкл_корр")       \
    X(Sum_Qвподкл_корр, "Sum-Qвподкл_корр")         \
    X(Твент, "Твент")                               \
    X(Max_Tvent_tc, "Max_Tvent_tc")                 \
    X(Sum_ВрмРабЧас, "Sum-ВрмРабЧас")               \
    X(Sum_ВрмОтклЧас, "Sum-ВрмОтклЧас")             \
    X(Count_NNрасчТеплВент, "Count-NNрасчТеплВент") \
    X(Sum_Утвент26_п, "Sum-Утвент26_п")             \
    X(Sum_Утвент12_п, "Sum-Утвент12_п")             \
    X(Sum_Qвент12T12, "Sum-Qвент12T12")             \
    X(Sum_Qвент26T12, "Sum-Qвент26T12")             \
    X(Sum_ПотериT12, "Sum-ПотериT12")

struct VentilationSumRow {
    static constexpr auto kNames =
        std::to_array<std::string_view>({KALVIK_VENTILATION_SUM_COLUMNS(KALVIK_COLUMN_NAME)});
};
static_assert(eachNameOnce(VentilationSumRow::kNames));

namespace vent_sum {
using C = Column<VentilationSumRow>;
KALVIK_VENTILATION_SUM_COLUMNS(KALVIK_COLUMN_CONSTANT)
}  // namespace vent_sum

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

// The consumer's row of `pr_Потребитель_K_G_gvs`: the coefficient and its write-back.
#define KALVIK_COEFFICIENT_ROW_COLUMNS(X)       \
    X(K_G_gvs, "K_G_gvs")                       \
    X(Q_gvs_K_G_gvs_r, "Q_gvs_K_G_gvs_r")       \
    X(G_gvs_K_G_gvs_r, "G_gvs_K_G_gvs_r")       \
    X(Q_texgvs_K_G_gvs_r, "Q_texgvs_K_G_gvs_r") \
    X(G_texgvs_K_G_gvs_r, "G_texgvs_K_G_gvs_r") \
    X(Q_gvs_пр_r, "Q_gvs_пр_r")                 \
    X(G_gvs_пр_r, "G_gvs_пр_r")                 \
    X(Q_texgvs_пр_r, "Q_texgvs_пр_r")           \
    X(G_texgvs_пр_r, "G_texgvs_пр_r")           \
    X(K_G_fiz, "K_G_fiz")

struct CoefficientRow {
    static constexpr auto kNames =
        std::to_array<std::string_view>({KALVIK_COEFFICIENT_ROW_COLUMNS(KALVIK_COLUMN_NAME)});
};
static_assert(eachNameOnce(CoefficientRow::kNames));

namespace coef_row {
using C = Column<CoefficientRow>;
KALVIK_COEFFICIENT_ROW_COLUMNS(KALVIK_COLUMN_CONSTANT)
}  // namespace coef_row

// The month's climate row of the revision of 02.01.05: `pr_Temp_mes`, `pr_Temp_mes_SNiP`, or the
// norm climate table by month (which gives `КоэффГВС` only).
#define KALVIK_CLIMATE_COLUMNS(X) \
    X(TMO, "TMO")                 \
    X(КоэффГВС, "КоэффГВС")

struct ClimateRow {
    static constexpr auto kNames =
        std::to_array<std::string_view>({KALVIK_CLIMATE_COLUMNS(KALVIK_COLUMN_NAME)});
};
static_assert(eachNameOnce(ClimateRow::kNames));

namespace climate {
using C = Column<ClimateRow>;
KALVIK_CLIMATE_COLUMNS(KALVIK_COLUMN_CONSTANT)
}  // namespace climate

// The largest key of the variant's main table.
#define KALVIK_KEY_MAXIMUM_COLUMNS(X) X(NNрасчТепл, "NNрасчТепл")

struct KeyMaximumRow {
    static constexpr auto kNames =
        std::to_array<std::string_view>({KALVIK_KEY_MAXIMUM_COLUMNS(KALVIK_COLUMN_NAME)});
};

namespace key_maximum {
using C = Column<KeyMaximumRow>;
KALVIK_KEY_MAXIMUM_COLUMNS(KALVIK_COLUMN_CONSTANT)
}  // namespace key_maximum

}  // namespace kalvik::consumption
