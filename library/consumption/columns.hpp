#pragma once
// Column names of the consumption calculation, spelled exactly as the database has them (blanks,
// Latin and Cyrillic letters as they stand: "ГВС в меж  отоп" has two blanks, "К сниж ГВС (K3)" a
// Latin K, `Т1`, `Т2`, `Тн` and the hour columns a Cyrillic Т).
//
// Each kind of row has one list, X(constant, "name"), in the order of the row; it gives both the
// row's names (kNames) and a namespace of named constants (see column_list.hpp). Adding a column
// is one line of its list. The result rows' lists are in result_columns.hpp, included here.

#include "library/consumption/result_columns.hpp"
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
