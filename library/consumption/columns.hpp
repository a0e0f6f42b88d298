#pragma once
// Column names of the consumption calculation, spelled exactly as the database has them (blanks,
// Latin and Cyrillic letters as they stand: "ГВС в меж  отоп" has two blanks, "К сниж ГВС (K3)" a
// Latin K, `Т1`, `Т2`, `Тн` and the hour columns a Cyrillic Т).
//
// Each kind of row lists its columns once (kNames). A named constant carries a column's name and
// its position in that list, checked when compiling, so that a recordset resolves the field
// position of each column once per run and every later access is an index (see bound_row.hpp).

#include <array>
#include <cstddef>
#include <string_view>

namespace kalvik::consumption {

template <std::size_t N>
consteval int positionIn(const std::array<std::string_view, N>& names, std::string_view name) {
    for (std::size_t i = 0; i < N; ++i)
        if (names[i] == name) return static_cast<int>(i);
    throw "the column is not in the list of its row";  // stops the compilation
}

// One column of a kind of row.
template <class Row>
struct Column {
    consteval Column(std::string_view columnName)
        : name(columnName), slot(positionIn(Row::kNames, columnName)) {}
    std::string_view name;
    int slot;  // position in Row::kNames
};

// Consumer rows of `pr_Isxod_Potr`, one per consumer (the source rows of the run).
struct SourceRow {
    static constexpr auto kNames = std::to_array<std::string_view>({
        "Npotr",
        "PAR",
        "Qgvs",
        "Qtgvs",
        "QHEAT26",
        "Nheat",
        "Dheat",
        "NGVS",
        "DGVS",
        "Нач_ГВС",
        "Кон_ГВС",
        "QGV_Пс",
        "QTS",
        "NTS",
        "DTS",
        "Нач_Тех",
        "Кон_Тех",
        "NTGVS",
        "DTGVS",
        "Нач_ТГВС",
        "Кон_ТГВС",
        "Тнро_рт",
        "Тнро_нач",
        "Тхвот",
        "NDOG",
        "Главная",
        "Главная1",
        "Nobkt",
        "Зона",
        "ЦТП",
        "Тн",
        "Период_н",
        "Период_к",
        "NTAX",
        "Стоимость 1 Гкал",
        "Стоимость 1 Гкал/час",
        "СтоимостьВоды_руб/т",
        "Стоим_Гкал_ГВС",
        "QUS",
        "SROOM",
        "Тгр",
        "Т1",
        "Т2",
        "Тгв",
        "Тхв",
        "Кбал_кот",
        "K_Q_sn_ny",
        "Кбал_G",
        "K_G_sn_ny",
        "Т_гв_потр",
        "Кцирк",
        "R_tn_t12",
        "Коэфф_Перетопа",
        "КциркМО",
        "КотоплМО",
        "Ot_leto",
        "К_ГВС",
        "Т1_р",
        "Т2_р",
        "Твн TVNUT",
        "QHEAT26_pr",
        "Птот_п",
        "Стр_проц",
        "Стр_проц_подкл",
        "Дат_нач_стр",
        "Дат_кон_стр",
        "Утот_п",
        "ГВС в меж  отоп",
        "К сниж ГВС (K3)",
        "КоэффГВС_СНиП",
        "TMO",
        "КоэффГВС",
        "TMO_СНиП",
        "Norma_Gk",
        "QGVS_pr",
        "Ed_izm_Gk",
        "Птгвс_п",
        "Утгвс_п",
        "QGV_Пс_pr",
        "Птгвс_Пс_п",
        "Утгвс_Пс_п",
        "QTS_pr",
        "Пттех_п",
        "Уттех_п",
        "QTGVS_pr",
        "ПттехГВС_п",
        "УттехГВС_п",
        "P1_гвс",
        "Закр_Отк_Обк",
        "Расчет с потерями",
        "Дубль_ГВС",
        "Дубль_Тех",
        "Дубль_ТехГВС",
        "Подкл с потерями",
        "ДоляПотерьТсетях",
        "Доп_потери",
        "QVENT26",
        "SQсрчас",
        "SQсрчас с пот",
        "Утпотр_п",
        "Птпотр_п",
        "ДоляУтечекТсетях",
    });
};

namespace src {
using C = Column<SourceRow>;
inline constexpr C Npotr{"Npotr"};
inline constexpr C PAR{"PAR"};
inline constexpr C Qgvs{"Qgvs"};
inline constexpr C Qtgvs{"Qtgvs"};
inline constexpr C QHEAT26{"QHEAT26"};
inline constexpr C Nheat{"Nheat"};
inline constexpr C Dheat{"Dheat"};
inline constexpr C NGVS{"NGVS"};
inline constexpr C DGVS{"DGVS"};
inline constexpr C Нач_ГВС{"Нач_ГВС"};
inline constexpr C Кон_ГВС{"Кон_ГВС"};
inline constexpr C QGV_Пс{"QGV_Пс"};
inline constexpr C QTS{"QTS"};
inline constexpr C NTS{"NTS"};
inline constexpr C DTS{"DTS"};
inline constexpr C Нач_Тех{"Нач_Тех"};
inline constexpr C Кон_Тех{"Кон_Тех"};
inline constexpr C NTGVS{"NTGVS"};
inline constexpr C DTGVS{"DTGVS"};
inline constexpr C Нач_ТГВС{"Нач_ТГВС"};
inline constexpr C Кон_ТГВС{"Кон_ТГВС"};
inline constexpr C Тнро_рт{"Тнро_рт"};
inline constexpr C Тнро_нач{"Тнро_нач"};
inline constexpr C Тхвот{"Тхвот"};
inline constexpr C NDOG{"NDOG"};
inline constexpr C Главная{"Главная"};
inline constexpr C Главная1{"Главная1"};
inline constexpr C Nobkt{"Nobkt"};
inline constexpr C Зона{"Зона"};
inline constexpr C ЦТП{"ЦТП"};
inline constexpr C Тн{"Тн"};
inline constexpr C Период_н{"Период_н"};
inline constexpr C Период_к{"Период_к"};
inline constexpr C NTAX{"NTAX"};
inline constexpr C Стоимость_1_Гкал{"Стоимость 1 Гкал"};
inline constexpr C Стоимость_1_Гкал_час{"Стоимость 1 Гкал/час"};
inline constexpr C СтоимостьВоды_руб_т{"СтоимостьВоды_руб/т"};
inline constexpr C Стоим_Гкал_ГВС{"Стоим_Гкал_ГВС"};
inline constexpr C QUS{"QUS"};
inline constexpr C SROOM{"SROOM"};
inline constexpr C Тгр{"Тгр"};
inline constexpr C Т1{"Т1"};
inline constexpr C Т2{"Т2"};
inline constexpr C Тгв{"Тгв"};
inline constexpr C Тхв{"Тхв"};
inline constexpr C Кбал_кот{"Кбал_кот"};
inline constexpr C K_Q_sn_ny{"K_Q_sn_ny"};
inline constexpr C Кбал_G{"Кбал_G"};
inline constexpr C K_G_sn_ny{"K_G_sn_ny"};
inline constexpr C Т_гв_потр{"Т_гв_потр"};
inline constexpr C Кцирк{"Кцирк"};
inline constexpr C R_tn_t12{"R_tn_t12"};
inline constexpr C Коэфф_Перетопа{"Коэфф_Перетопа"};
inline constexpr C КциркМО{"КциркМО"};
inline constexpr C КотоплМО{"КотоплМО"};
inline constexpr C Ot_leto{"Ot_leto"};
inline constexpr C К_ГВС{"К_ГВС"};
inline constexpr C Т1_р{"Т1_р"};
inline constexpr C Т2_р{"Т2_р"};
inline constexpr C Твн_TVNUT{"Твн TVNUT"};
inline constexpr C QHEAT26_pr{"QHEAT26_pr"};
inline constexpr C Птот_п{"Птот_п"};
inline constexpr C Стр_проц{"Стр_проц"};
inline constexpr C Стр_проц_подкл{"Стр_проц_подкл"};
inline constexpr C Дат_нач_стр{"Дат_нач_стр"};
inline constexpr C Дат_кон_стр{"Дат_кон_стр"};
inline constexpr C Утот_п{"Утот_п"};
inline constexpr C ГВС_в_меж_отоп{"ГВС в меж  отоп"};
inline constexpr C К_сниж_ГВС_K3{"К сниж ГВС (K3)"};
inline constexpr C КоэффГВС_СНиП{"КоэффГВС_СНиП"};
inline constexpr C TMO{"TMO"};
inline constexpr C КоэффГВС{"КоэффГВС"};
inline constexpr C TMO_СНиП{"TMO_СНиП"};
inline constexpr C Norma_Gk{"Norma_Gk"};
inline constexpr C QGVS_pr{"QGVS_pr"};
inline constexpr C Ed_izm_Gk{"Ed_izm_Gk"};
inline constexpr C Птгвс_п{"Птгвс_п"};
inline constexpr C Утгвс_п{"Утгвс_п"};
inline constexpr C QGV_Пс_pr{"QGV_Пс_pr"};
inline constexpr C Птгвс_Пс_п{"Птгвс_Пс_п"};
inline constexpr C Утгвс_Пс_п{"Утгвс_Пс_п"};
inline constexpr C QTS_pr{"QTS_pr"};
inline constexpr C Пттех_п{"Пттех_п"};
inline constexpr C Уттех_п{"Уттех_п"};
inline constexpr C QTGVS_pr{"QTGVS_pr"};
inline constexpr C ПттехГВС_п{"ПттехГВС_п"};
inline constexpr C УттехГВС_п{"УттехГВС_п"};
inline constexpr C P1_гвс{"P1_гвс"};
inline constexpr C Закр_Отк_Обк{"Закр_Отк_Обк"};
inline constexpr C Расчет_с_потерями{"Расчет с потерями"};
inline constexpr C Дубль_ГВС{"Дубль_ГВС"};
inline constexpr C Дубль_Тех{"Дубль_Тех"};
inline constexpr C Дубль_ТехГВС{"Дубль_ТехГВС"};
inline constexpr C Подкл_с_потерями{"Подкл с потерями"};
inline constexpr C ДоляПотерьТсетях{"ДоляПотерьТсетях"};
inline constexpr C Доп_потери{"Доп_потери"};
inline constexpr C QVENT26{"QVENT26"};
inline constexpr C SQсрчас{"SQсрчас"};
inline constexpr C SQсрчас_с_пот{"SQсрчас с пот"};
inline constexpr C Утпотр_п{"Утпотр_п"};
inline constexpr C Птпотр_п{"Птпотр_п"};
inline constexpr C ДоляУтечекТсетях{"ДоляУтечекТсетях"};
}  // namespace src

// Outage rows of `pr_Otkl_Potr_filtr` / `pr_Otkl_Potr_filtr_Plan`, filtered per consumer.
struct OutageRow {
    static constexpr auto kNames = std::to_array<std::string_view>({
        "Npotr",
        "ОтВр_откл",
        "ГвсВр_откл",
        "ГвсВр_откл_Пс",
        "ТехВр_откл",
        "ТгвсВр_откл",
        "От_откл",
        "ГВС_откл",
        "Тех_откл",
        "Техгвс_откл",
    });
};

namespace outage {
using C = Column<OutageRow>;
inline constexpr C Npotr{"Npotr"};
inline constexpr C ОтВр_откл{"ОтВр_откл"};
inline constexpr C ГвсВр_откл{"ГвсВр_откл"};
inline constexpr C ГвсВр_откл_Пс{"ГвсВр_откл_Пс"};
inline constexpr C ТехВр_откл{"ТехВр_откл"};
inline constexpr C ТгвсВр_откл{"ТгвсВр_откл"};
inline constexpr C От_откл{"От_откл"};
inline constexpr C ГВС_откл{"ГВС_откл"};
inline constexpr C Тех_откл{"Тех_откл"};
inline constexpr C Техгвс_откл{"Техгвс_откл"};
}  // namespace outage

// Long-outage rows of `pr_Potr_Dl_Otkl`, filtered per consumer.
struct LongOutageRow {
    static constexpr auto kNames = std::to_array<std::string_view>({
        "Npotr",
        "ПотопНач",
        "ПотопКон",
        "ОтВремПост",
        "ПгвсНач",
        "ПгвсКон",
        "ГВСВремПост",
        "ПтехНач",
        "ПтехКон",
        "ТехВремПост",
        "ПтгвсНач",
        "ПтгвсКон",
        "ТГВСВремПост",
    });
};

namespace long_outage {
using C = Column<LongOutageRow>;
inline constexpr C Npotr{"Npotr"};
inline constexpr C ПотопНач{"ПотопНач"};
inline constexpr C ПотопКон{"ПотопКон"};
inline constexpr C ОтВремПост{"ОтВремПост"};
inline constexpr C ПгвсНач{"ПгвсНач"};
inline constexpr C ПгвсКон{"ПгвсКон"};
inline constexpr C ГВСВремПост{"ГВСВремПост"};
inline constexpr C ПтехНач{"ПтехНач"};
inline constexpr C ПтехКон{"ПтехКон"};
inline constexpr C ТехВремПост{"ТехВремПост"};
inline constexpr C ПтгвсНач{"ПтгвсНач"};
inline constexpr C ПтгвсКон{"ПтгвсКон"};
inline constexpr C ТГВСВремПост{"ТГВСВремПост"};
}  // namespace long_outage

// Flushing and withdrawal rows of `pr_Promyvki` / `pr_Promyvki_Plan`, filtered per consumer.
struct FlushingRow {
    static constexpr auto kNames = std::to_array<std::string_view>({
        "NNпотр пром",
        "Пром Гкал",
        "Пром т/час",
        "Otbor_Gk",
        "Otbor_Tn",
    });
};

namespace flushing {
using C = Column<FlushingRow>;
inline constexpr C NNпотр_пром{"NNпотр пром"};
inline constexpr C Пром_Гкал{"Пром Гкал"};
inline constexpr C Пром_т_час{"Пром т/час"};
inline constexpr C Otbor_Gk{"Otbor_Gk"};
inline constexpr C Otbor_Tn{"Otbor_Tn"};
}  // namespace flushing

// Ventilation results summed per consumer: `pr_Sum_Qvent` / `pr_Sum_Qvent_Dog_Plan`.
struct VentilationSumRow {
    static constexpr auto kNames = std::to_array<std::string_view>({
        "Npotr",
        "Sum-Qвент12",
        "Sum-Qвент26",
        "Sum-Потери",
        "Sum-ТПвподкл",
        "Sum-Qвподкл",
        "Sum-ТПвподкл_корр",
        "Sum-Qвподкл_корр",
        "Твент",
        "Max_Tvent_tc",
        "Sum-ВрмРабЧас",
        "Sum-ВрмОтклЧас",
        "Count-NNрасчТеплВент",
        "Sum-Утвент26_п",
        "Sum-Утвент12_п",
    });
};

namespace vent_sum {
using C = Column<VentilationSumRow>;
inline constexpr C Npotr{"Npotr"};
inline constexpr C Sum_Qвент12{"Sum-Qвент12"};
inline constexpr C Sum_Qвент26{"Sum-Qвент26"};
inline constexpr C Sum_Потери{"Sum-Потери"};
inline constexpr C Sum_ТПвподкл{"Sum-ТПвподкл"};
inline constexpr C Sum_Qвподкл{"Sum-Qвподкл"};
inline constexpr C Sum_ТПвподкл_корр{"Sum-ТПвподкл_корр"};
inline constexpr C Sum_Qвподкл_корр{"Sum-Qвподкл_корр"};
inline constexpr C Твент{"Твент"};
inline constexpr C Max_Tvent_tc{"Max_Tvent_tc"};
inline constexpr C Sum_ВрмРабЧас{"Sum-ВрмРабЧас"};
inline constexpr C Sum_ВрмОтклЧас{"Sum-ВрмОтклЧас"};
inline constexpr C Count_NNрасчТеплВент{"Count-NNрасчТеплВент"};
inline constexpr C Sum_Утвент26_п{"Sum-Утвент26_п"};
inline constexpr C Sum_Утвент12_п{"Sum-Утвент12_п"};
}  // namespace vent_sum

// Main result row, in the order of first assignment (`NNрасчТепл`, its key, first).
struct MainRow {
    static constexpr auto kNames = std::to_array<std::string_view>({
        "NNрасчТепл",
        "NDOG",
        "Главная",
        "Главная1",
        "Nobkt",
        "Npotr",
        "НДС_пар",
        "Спец налог_пар",
        "Зона",
        "NN ЦТП сч",
        "Тнврасч",
        "Период_н_табл",
        "Период_к_табл",
        "NNтарифа",
        "Тариф",
        "ТарифЗаПодкл",
        "ТарифВода",
        "ТарифГВС",
        "Кчел",
        "Км2",
        "Тгр",
        "Т1ц",
        "Т2ц",
        "Тгвц",
        "Тхв",
        "Тн",
        "K_Q_sn_ny",
        "Кбал_G",
        "K_G_sn_ny",
        "Год",
        "Месяц",
        "Т_гв_потр",
        "Кцирк",
        "Коэфф_Перетопа_Потр",
        "КциркМО",
        "К_Сн_ГВС",
        "ПериодИзмПодкл",
        "Ккот",
        "Qот",
        "Птот_п_р",
        "Утот_п",
        "Qгвс",
        "Птгвс_п_р",
        "Утгвс_п",
        "Qгвс_пс",
        "Птгвс_Пс_п_р",
        "Утгвс_Пс_п",
        "Qтех",
        "Пттех_п_р",
        "Уттех_п",
        "Qтехгвс",
        "ПттехГВС_п_р",
        "УттехГВС_п",
        "Qвент12",
        "Qвент26",
        "Птвент26_п_р",
        "Птвент12_п_р",
        "Утвент26_п",
        "Утвент12_п",
        "ГВС_Тн",
        "Техн_ГВС_Тн",
        "Расх_ГВС_Тгсв",
        "ГВС_Тн_Nr",
        "Техн_ГВС_Тн_Nr",
        "Утечки_м3",
        "Потери",
        "Промывки Гкал",
        "Промывки т/час",
        "Otbor_Gk",
        "Otbor_Tn",
        "Ут_потр_п",
        "Птпотр_п_р",
        "Всего Гкал",
        "Всего_тн",
        "ТПподкл",
        "ТПподкл_корр",
        "SQподкл",
        "SQподкл_корр",
        "Тотоп",
        "Твент",
        "Тгвс",
        "Тгвс_Пс",
        "Ттех",
        "ТтехГВС",
        "Тотоп_ЖСК",
        "Твент_ЖСК",
        "Тгвс_ЖСК",
        "ПодклОтоп",
        "ПодклГВС",
        "QHEAT26",
        "QVENT26",
        "Qgvs",
        "QGV_Пс",
        "QTS",
        "Qtgvs",
        "k_ctr",
        "k_ctr_пдкл",
        "Доп_потери",
        "План",
        "SQсрчас",
        "SQсрчас с пот",
        "Утпотр_п_подк",
        "Птпотр_п_подк",
        "ДоляУтечекТсетях_подк",
        "ДоляПотерьТсетях_подк",
        "QотУз",
        "QвентУз",
        "QгвсУз",
        "QтехУз",
        "Qгвс_псУз",
        "QтехгвсУз",
        "SQпоузлууч",
        "Потери в тсетях",
        "УчетПлат",
        "ДоляУтечекТсетях",
        "ДоляТПУтечекТсетях",
        "ДоляТПотерьТсетях",
        "Y_potr_Yz",
        "Q_Y_potr_Yz",
        "Y_potr_Sn",
        "Q_Y_potr_Sn",
        "Y_potr_sum",
        "Q_Y_potr_sum",
        "Y_ot_pt",
        "Y_vent_pt",
        "Y_gvs_pt",
        "Y_gvs_ps_pt",
        "Y_tex_pt",
        "Y_texgvs_pt",
        "Y_sum_pt",
        "Q_Y_ot_pt",
        "Q_Y_vent_pt",
        "Q_Y_gvs_pt",
        "Q_Y_gvs_ps_pt",
        "Q_Y_tex_pt",
        "Q_Y_texgvs_pt",
        "Q_Y_sum_pt",
        "Y_tc_pt",
        "Q_tc_sum_pt",
        "Gгвс_уз_pt",
        "Gтехгвс_уз_pt",
        "Q_sn_ny",
        "G_sn_ny",
        "Pot_mest",
        "Yt_mest",
        "Pot_mest_do",
        "Yt_mest_do",
        "Pot_ts_do",
        "Yt_ts_do",
        "Y_sn_yz",
        "Время_тс",
        "PAR",
        "Qот_Тн",
        "Qвент12_Тн",
        "Qвент26_Тн",
        "Qтех_Тн",
        "Qгвс_пс_Тн",
        "Qот_уз_Тн",
        "Qвент12_уз_Тн",
        "Qвент26_уз_Тн",
        "Qтех_уз_Тн",
        "Qгвс_пс_уз_Тн",
        "Примечание",
    });
};

namespace main_row {
using C = Column<MainRow>;
inline constexpr C NNрасчТепл{"NNрасчТепл"};
inline constexpr C NDOG{"NDOG"};
inline constexpr C Главная{"Главная"};
inline constexpr C Главная1{"Главная1"};
inline constexpr C Nobkt{"Nobkt"};
inline constexpr C Npotr{"Npotr"};
inline constexpr C НДС_пар{"НДС_пар"};
inline constexpr C Спец_налог_пар{"Спец налог_пар"};
inline constexpr C Зона{"Зона"};
inline constexpr C NN_ЦТП_сч{"NN ЦТП сч"};
inline constexpr C Тнврасч{"Тнврасч"};
inline constexpr C Период_н_табл{"Период_н_табл"};
inline constexpr C Период_к_табл{"Период_к_табл"};
inline constexpr C NNтарифа{"NNтарифа"};
inline constexpr C Тариф{"Тариф"};
inline constexpr C ТарифЗаПодкл{"ТарифЗаПодкл"};
inline constexpr C ТарифВода{"ТарифВода"};
inline constexpr C ТарифГВС{"ТарифГВС"};
inline constexpr C Кчел{"Кчел"};
inline constexpr C Км2{"Км2"};
inline constexpr C Тгр{"Тгр"};
inline constexpr C Т1ц{"Т1ц"};
inline constexpr C Т2ц{"Т2ц"};
inline constexpr C Тгвц{"Тгвц"};
inline constexpr C Тхв{"Тхв"};
inline constexpr C Тн{"Тн"};
inline constexpr C K_Q_sn_ny{"K_Q_sn_ny"};
inline constexpr C Кбал_G{"Кбал_G"};
inline constexpr C K_G_sn_ny{"K_G_sn_ny"};
inline constexpr C Год{"Год"};
inline constexpr C Месяц{"Месяц"};
inline constexpr C Т_гв_потр{"Т_гв_потр"};
inline constexpr C Кцирк{"Кцирк"};
inline constexpr C Коэфф_Перетопа_Потр{"Коэфф_Перетопа_Потр"};
inline constexpr C КциркМО{"КциркМО"};
inline constexpr C К_Сн_ГВС{"К_Сн_ГВС"};
inline constexpr C ПериодИзмПодкл{"ПериодИзмПодкл"};
inline constexpr C Ккот{"Ккот"};
inline constexpr C Qот{"Qот"};
inline constexpr C Птот_п_р{"Птот_п_р"};
inline constexpr C Утот_п{"Утот_п"};
inline constexpr C Qгвс{"Qгвс"};
inline constexpr C Птгвс_п_р{"Птгвс_п_р"};
inline constexpr C Утгвс_п{"Утгвс_п"};
inline constexpr C Qгвс_пс{"Qгвс_пс"};
inline constexpr C Птгвс_Пс_п_р{"Птгвс_Пс_п_р"};
inline constexpr C Утгвс_Пс_п{"Утгвс_Пс_п"};
inline constexpr C Qтех{"Qтех"};
inline constexpr C Пттех_п_р{"Пттех_п_р"};
inline constexpr C Уттех_п{"Уттех_п"};
inline constexpr C Qтехгвс{"Qтехгвс"};
inline constexpr C ПттехГВС_п_р{"ПттехГВС_п_р"};
inline constexpr C УттехГВС_п{"УттехГВС_п"};
inline constexpr C Qвент12{"Qвент12"};
inline constexpr C Qвент26{"Qвент26"};
inline constexpr C Птвент26_п_р{"Птвент26_п_р"};
inline constexpr C Птвент12_п_р{"Птвент12_п_р"};
inline constexpr C Утвент26_п{"Утвент26_п"};
inline constexpr C Утвент12_п{"Утвент12_п"};
inline constexpr C ГВС_Тн{"ГВС_Тн"};
inline constexpr C Техн_ГВС_Тн{"Техн_ГВС_Тн"};
inline constexpr C Расх_ГВС_Тгсв{"Расх_ГВС_Тгсв"};
inline constexpr C ГВС_Тн_Nr{"ГВС_Тн_Nr"};
inline constexpr C Техн_ГВС_Тн_Nr{"Техн_ГВС_Тн_Nr"};
inline constexpr C Утечки_м3{"Утечки_м3"};
inline constexpr C Потери{"Потери"};
inline constexpr C Промывки_Гкал{"Промывки Гкал"};
inline constexpr C Промывки_т_час{"Промывки т/час"};
inline constexpr C Otbor_Gk{"Otbor_Gk"};
inline constexpr C Otbor_Tn{"Otbor_Tn"};
inline constexpr C Ут_потр_п{"Ут_потр_п"};
inline constexpr C Птпотр_п_р{"Птпотр_п_р"};
inline constexpr C Всего_Гкал{"Всего Гкал"};
inline constexpr C Всего_тн{"Всего_тн"};
inline constexpr C ТПподкл{"ТПподкл"};
inline constexpr C ТПподкл_корр{"ТПподкл_корр"};
inline constexpr C SQподкл{"SQподкл"};
inline constexpr C SQподкл_корр{"SQподкл_корр"};
inline constexpr C Тотоп{"Тотоп"};
inline constexpr C Твент{"Твент"};
inline constexpr C Тгвс{"Тгвс"};
inline constexpr C Тгвс_Пс{"Тгвс_Пс"};
inline constexpr C Ттех{"Ттех"};
inline constexpr C ТтехГВС{"ТтехГВС"};
inline constexpr C Тотоп_ЖСК{"Тотоп_ЖСК"};
inline constexpr C Твент_ЖСК{"Твент_ЖСК"};
inline constexpr C Тгвс_ЖСК{"Тгвс_ЖСК"};
inline constexpr C ПодклОтоп{"ПодклОтоп"};
inline constexpr C ПодклГВС{"ПодклГВС"};
inline constexpr C QHEAT26{"QHEAT26"};
inline constexpr C QVENT26{"QVENT26"};
inline constexpr C Qgvs{"Qgvs"};
inline constexpr C QGV_Пс{"QGV_Пс"};
inline constexpr C QTS{"QTS"};
inline constexpr C Qtgvs{"Qtgvs"};
inline constexpr C k_ctr{"k_ctr"};
inline constexpr C k_ctr_пдкл{"k_ctr_пдкл"};
inline constexpr C Доп_потери{"Доп_потери"};
inline constexpr C План{"План"};
inline constexpr C SQсрчас{"SQсрчас"};
inline constexpr C SQсрчас_с_пот{"SQсрчас с пот"};
inline constexpr C Утпотр_п_подк{"Утпотр_п_подк"};
inline constexpr C Птпотр_п_подк{"Птпотр_п_подк"};
inline constexpr C ДоляУтечекТсетях_подк{"ДоляУтечекТсетях_подк"};
inline constexpr C ДоляПотерьТсетях_подк{"ДоляПотерьТсетях_подк"};
inline constexpr C QотУз{"QотУз"};
inline constexpr C QвентУз{"QвентУз"};
inline constexpr C QгвсУз{"QгвсУз"};
inline constexpr C QтехУз{"QтехУз"};
inline constexpr C Qгвс_псУз{"Qгвс_псУз"};
inline constexpr C QтехгвсУз{"QтехгвсУз"};
inline constexpr C SQпоузлууч{"SQпоузлууч"};
inline constexpr C Потери_в_тсетях{"Потери в тсетях"};
inline constexpr C УчетПлат{"УчетПлат"};
inline constexpr C ДоляУтечекТсетях{"ДоляУтечекТсетях"};
inline constexpr C ДоляТПУтечекТсетях{"ДоляТПУтечекТсетях"};
inline constexpr C ДоляТПотерьТсетях{"ДоляТПотерьТсетях"};
inline constexpr C Y_potr_Yz{"Y_potr_Yz"};
inline constexpr C Q_Y_potr_Yz{"Q_Y_potr_Yz"};
inline constexpr C Y_potr_Sn{"Y_potr_Sn"};
inline constexpr C Q_Y_potr_Sn{"Q_Y_potr_Sn"};
inline constexpr C Y_potr_sum{"Y_potr_sum"};
inline constexpr C Q_Y_potr_sum{"Q_Y_potr_sum"};
inline constexpr C Y_ot_pt{"Y_ot_pt"};
inline constexpr C Y_vent_pt{"Y_vent_pt"};
inline constexpr C Y_gvs_pt{"Y_gvs_pt"};
inline constexpr C Y_gvs_ps_pt{"Y_gvs_ps_pt"};
inline constexpr C Y_tex_pt{"Y_tex_pt"};
inline constexpr C Y_texgvs_pt{"Y_texgvs_pt"};
inline constexpr C Y_sum_pt{"Y_sum_pt"};
inline constexpr C Q_Y_ot_pt{"Q_Y_ot_pt"};
inline constexpr C Q_Y_vent_pt{"Q_Y_vent_pt"};
inline constexpr C Q_Y_gvs_pt{"Q_Y_gvs_pt"};
inline constexpr C Q_Y_gvs_ps_pt{"Q_Y_gvs_ps_pt"};
inline constexpr C Q_Y_tex_pt{"Q_Y_tex_pt"};
inline constexpr C Q_Y_texgvs_pt{"Q_Y_texgvs_pt"};
inline constexpr C Q_Y_sum_pt{"Q_Y_sum_pt"};
inline constexpr C Y_tc_pt{"Y_tc_pt"};
inline constexpr C Q_tc_sum_pt{"Q_tc_sum_pt"};
inline constexpr C Gгвс_уз_pt{"Gгвс_уз_pt"};
inline constexpr C Gтехгвс_уз_pt{"Gтехгвс_уз_pt"};
inline constexpr C Q_sn_ny{"Q_sn_ny"};
inline constexpr C G_sn_ny{"G_sn_ny"};
inline constexpr C Pot_mest{"Pot_mest"};
inline constexpr C Yt_mest{"Yt_mest"};
inline constexpr C Pot_mest_do{"Pot_mest_do"};
inline constexpr C Yt_mest_do{"Yt_mest_do"};
inline constexpr C Pot_ts_do{"Pot_ts_do"};
inline constexpr C Yt_ts_do{"Yt_ts_do"};
inline constexpr C Y_sn_yz{"Y_sn_yz"};
inline constexpr C Время_тс{"Время_тс"};
inline constexpr C PAR{"PAR"};
inline constexpr C Qот_Тн{"Qот_Тн"};
inline constexpr C Qвент12_Тн{"Qвент12_Тн"};
inline constexpr C Qвент26_Тн{"Qвент26_Тн"};
inline constexpr C Qтех_Тн{"Qтех_Тн"};
inline constexpr C Qгвс_пс_Тн{"Qгвс_пс_Тн"};
inline constexpr C Qот_уз_Тн{"Qот_уз_Тн"};
inline constexpr C Qвент12_уз_Тн{"Qвент12_уз_Тн"};
inline constexpr C Qвент26_уз_Тн{"Qвент26_уз_Тн"};
inline constexpr C Qтех_уз_Тн{"Qтех_уз_Тн"};
inline constexpr C Qгвс_пс_уз_Тн{"Qгвс_пс_уз_Тн"};
inline constexpr C Примечание{"Примечание"};
}  // namespace main_row

// Hours row of the `_Время` table, in writing order.
struct HoursRow {
    static constexpr auto kNames = std::to_array<std::string_view>({
        "NNрасчТепл",    "NDOG",      "Главная",  "Nobkt",   "Npotr",   "План",    "Период_н_табл",
        "Период_к_табл", "Год",       "Месяц",    "Тотоп_r", "Твент_r", "Тгвс_r",  "Тгвс_Пс_r",
        "Ттех_r",        "ТтехГВС_r", "Тотоп",    "Твент",   "Тгвс",    "Тгвс_Пс", "Ттех",
        "ТтехГВС",       "t_max_ot",  "t_max_gv", "t_max",
    });
};

namespace hours_row {
using C = Column<HoursRow>;
inline constexpr C NNрасчТепл{"NNрасчТепл"};
inline constexpr C NDOG{"NDOG"};
inline constexpr C Главная{"Главная"};
inline constexpr C Nobkt{"Nobkt"};
inline constexpr C Npotr{"Npotr"};
inline constexpr C План{"План"};
inline constexpr C Период_н_табл{"Период_н_табл"};
inline constexpr C Период_к_табл{"Период_к_табл"};
inline constexpr C Год{"Год"};
inline constexpr C Месяц{"Месяц"};
inline constexpr C Тотоп_r{"Тотоп_r"};
inline constexpr C Твент_r{"Твент_r"};
inline constexpr C Тгвс_r{"Тгвс_r"};
inline constexpr C Тгвс_Пс_r{"Тгвс_Пс_r"};
inline constexpr C Ттех_r{"Ттех_r"};
inline constexpr C ТтехГВС_r{"ТтехГВС_r"};
inline constexpr C Тотоп{"Тотоп"};
inline constexpr C Твент{"Твент"};
inline constexpr C Тгвс{"Тгвс"};
inline constexpr C Тгвс_Пс{"Тгвс_Пс"};
inline constexpr C Ттех{"Ттех"};
inline constexpr C ТтехГВС{"ТтехГВС"};
inline constexpr C t_max_ot{"t_max_ot"};
inline constexpr C t_max_gv{"t_max_gv"};
inline constexpr C t_max{"t_max"};
}  // namespace hours_row

// The consumer's row of `pr_Потребитель_K_G_gvs`: the coefficient and its write-back.
struct CoefficientRow {
    static constexpr auto kNames = std::to_array<std::string_view>({
        "K_G_gvs",
        "Q_gvs_K_G_gvs_r",
        "G_gvs_K_G_gvs_r",
        "Q_texgvs_K_G_gvs_r",
        "G_texgvs_K_G_gvs_r",
        "Q_gvs_пр_r",
        "G_gvs_пр_r",
        "Q_texgvs_пр_r",
        "G_texgvs_пр_r",
        "K_G_fiz",
    });
};

namespace coef_row {
using C = Column<CoefficientRow>;
inline constexpr C K_G_gvs{"K_G_gvs"};
inline constexpr C Q_gvs_K_G_gvs_r{"Q_gvs_K_G_gvs_r"};
inline constexpr C G_gvs_K_G_gvs_r{"G_gvs_K_G_gvs_r"};
inline constexpr C Q_texgvs_K_G_gvs_r{"Q_texgvs_K_G_gvs_r"};
inline constexpr C G_texgvs_K_G_gvs_r{"G_texgvs_K_G_gvs_r"};
inline constexpr C Q_gvs_пр_r{"Q_gvs_пр_r"};
inline constexpr C G_gvs_пр_r{"G_gvs_пр_r"};
inline constexpr C Q_texgvs_пр_r{"Q_texgvs_пр_r"};
inline constexpr C G_texgvs_пр_r{"G_texgvs_пр_r"};
inline constexpr C K_G_fiz{"K_G_fiz"};
}  // namespace coef_row

}  // namespace kalvik::consumption
