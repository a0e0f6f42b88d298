#pragma once
// Column names of the steam calculation, spelled exactly as the database has them (the second
// hot-water kind's columns have Latin stems with a Cyrillic "Пс", the sums mix Latin and Cyrillic
// letters as they stand).
//
// Each kind of row has one list, X(constant, "name"), in the order of the row (see
// library/services/column_list.hpp for the form).

#include "library/services/column_list.hpp"

namespace kalvik::steam {

// Source rows of `pr_Isxod_Potr_Par` and its variants: one steam consumer each, its main
// consumption result row beside its design loads and design steam and condensate flows.
#define KALVIK_STEAM_SOURCE_COLUMNS(X)      \
    X(NNрасчТепл, "NNрасчТепл")             \
    X(NDOG, "NDOG")                         \
    X(Главная, "Главная")                   \
    X(Nobkt, "Nobkt")                       \
    X(Npotr, "Npotr")                       \
    X(Период_н_табл, "Период_н_табл")       \
    X(Период_к_табл, "Период_к_табл")       \
    X(Users, "Users")                       \
    X(Parole, "Parole")                     \
    X(Qот, "Qот")                           \
    X(Qвент12, "Qвент12")                   \
    X(Qвент26, "Qвент26")                   \
    X(Qгвс, "Qгвс")                         \
    X(Qгвс_пс, "Qгвс_пс")                   \
    X(Qтех, "Qтех")                         \
    X(Qтехгвс, "Qтехгвс")                   \
    X(QHEAT26, "QHEAT26")                   \
    X(QVENT26, "QVENT26")                   \
    X(Qgvs, "Qgvs")                         \
    X(QGV_Пс, "QGV_Пс")                     \
    X(QTS, "QTS")                           \
    X(Qtgvs, "Qtgvs")                       \
    X(QHEAT26_par, "QHEAT26_par")           \
    X(QHEAT26_Gvkn, "QHEAT26_Gvkn")         \
    X(QHEAT26_Qvkn, "QHEAT26_Qvkn")         \
    X(QVENT12_par, "QVENT12_par")           \
    X(QVENT12_Gvkn, "QVENT12_Gvkn")         \
    X(QVENT12_Qvkn, "QVENT12_Qvkn")         \
    X(QVENT26_par, "QVENT26_par")           \
    X(QVENT26_Gvkn, "QVENT26_Gvkn")         \
    X(QVENT26_Qvkn, "QVENT26_Qvkn")         \
    X(QGVS_par, "QGVS_par")                 \
    X(QGVS_Gvkn, "QGVS_Gvkn")               \
    X(QGVS_Qvkn, "QGVS_Qvkn")               \
    X(QGV_Пс_par, "QGV_Пс_par")             \
    X(QGV_Пс_Gvkn, "QGV_Пс_Gvkn")           \
    X(QGV_Пс_Qvkn, "QGV_Пс_Qvkn")           \
    X(QTS_par, "QTS_par")                   \
    X(QTS_Gvkn, "QTS_Gvkn")                 \
    X(QTS_Qvkn, "QTS_Qvkn")                 \
    X(QTGVS_par, "QTGVS_par")               \
    X(QTGVS_Gvkn, "QTGVS_Gvkn")             \
    X(QTGVS_Qvkn, "QTGVS_Qvkn")             \
    X(Всего_Гкал, "Всего Гкал")             \
    X(Потери, "Потери")                     \
    X(Промывки_Гкал, "Промывки Гкал")       \
    X(Otbor_Gk, "Otbor_Gk")                 \
    X(Ут_потр_п, "Ут_потр_п")               \
    X(Птпотр_п_р, "Птпотр_п_р")             \
    X(ДоляУтечекТсетях, "ДоляУтечекТсетях") \
    X(Потери_в_тсетях, "Потери в тсетях")   \
    X(PAR, "PAR")

struct SourceRow {
    static constexpr auto kNames =
        std::to_array<std::string_view>({KALVIK_STEAM_SOURCE_COLUMNS(KALVIK_COLUMN_NAME)});
};
static_assert(eachNameOnce(SourceRow::kNames));

namespace src {
using C = Column<SourceRow>;
KALVIK_STEAM_SOURCE_COLUMNS(KALVIK_COLUMN_CONSTANT)
}  // namespace src

// The 58 columns of a steam result row (`Res_Potreb_Par`, `_Dog`, `_Plan`), in the order they
// are written.
#define KALVIK_STEAM_RESULT_COLUMNS(X)        \
    X(NNрасчТепл, "NNрасчТепл")               \
    X(NDOG, "NDOG")                           \
    X(Главная, "Главная")                     \
    X(Nobkt, "Nobkt")                         \
    X(Npotr, "Npotr")                         \
    X(Период_н_табл, "Период_н_табл")         \
    X(Период_к_табл, "Период_к_табл")         \
    X(Год_Прасч, "Год_Прасч")                 \
    X(Месяц_Прасч, "Месяц_Прасч")             \
    X(Год, "Год")                             \
    X(Месяц, "Месяц")                         \
    X(Users, "Users")                         \
    X(Parole, "Parole")                       \
    X(ДатаРед_SR, "ДатаРед_SR")               \
    X(QHEAT26_par_ит, "QHEAT26_par_ит")       \
    X(QVENT12_par_ит, "QVENT12_par_ит")       \
    X(QVENT26_par_ит, "QVENT26_par_ит")       \
    X(QGVS_par_ит, "QGVS_par_ит")             \
    X(QGV_Пс_par_ит, "QGV_Пс_par_ит")         \
    X(QTS_par_ит, "QTS_par_ит")               \
    X(QTGVS_par_ит, "QTGVS_par_ит")           \
    X(SG_пар_ит, "SG_пар_ит")                 \
    X(QHEAT26_Gvkn_ит, "QHEAT26_Gvkn_ит")     \
    X(QVENT12_Gvkn_ит, "QVENT12_Gvkn_ит")     \
    X(QVENT26_Gvkn_ит, "QVENT26_Gvkn_ит")     \
    X(QGVS_Gvkn_ит, "QGVS_Gvkn_ит")           \
    X(QGV_Пс_Gvkn_ит, "QGV_Пс_Gvkn_ит")       \
    X(QTS_Gvkn_ит, "QTS_Gvkn_ит")             \
    X(QTGVS_Gvkn_ит, "QTGVS_Gvkn_ит")         \
    X(S_Gvkn_Конд_ит, "S_Gvkn_Конд_ит")       \
    X(QHEAT26_G_kond, "QHEAT26_G_kond")       \
    X(QVENT12_G_kond, "QVENT12_G_kond")       \
    X(QVENT26_G_kond, "QVENT26_G_kond")       \
    X(QGVS_G_kond, "QGVS_G_kond")             \
    X(QGV_Пс_G_kond, "QGV_Пс_G_kond")         \
    X(QTS_G_kond, "QTS_G_kond")               \
    X(QTGVS_G_kond, "QTGVS_G_kond")           \
    X(SG_Конд_ит, "SG_Конд_ит")               \
    X(QHEAT26_Qvkn_ит, "QHEAT26_Qvkn_ит")     \
    X(QVENT12_Qvkn_ит, "QVENT12_Qvkn_ит")     \
    X(QVENT26_Qvkn_ит, "QVENT26_Qvkn_ит")     \
    X(QGVS_Qvkn_ит, "QGVS_Qvkn_ит")           \
    X(QGV_Пс_Qvkn_ит, "QGV_Пс_Qvkn_ит")       \
    X(QTS_Qvkn_ит, "QTS_Qvkn_ит")             \
    X(QTGVS_Qvkn_ит, "QTGVS_Qvkn_ит")         \
    X(S_Qvkn_Конд_ит, "S_Qvkn_Конд_ит")       \
    X(SQ_Пар_ит, "SQ_Пар_ит")                 \
    X(SQ_Пар_Итого, "SQ_Пар_Итого")           \
    X(SG_пар_Итого, "SG_пар_Итого")           \
    X(SG_Конд_Итого, "SG_Конд_Итого")         \
    X(SQ_Пар_все_Итого, "SQ_Пар_все_Итого")   \
    X(SG_пар_все_Итого, "SG_пар_все_Итого")   \
    X(SG_Конд_все_Итого, "SG_Конд_все_Итого") \
    X(S_G_пот_местн_ит, "S_G_пот_местн_ит")   \
    X(S_Q_пот_местн_ит, "S_Q_пот_местн_ит")   \
    X(S_G_пот_тсеть_ит, "S_G_пот_тсеть_ит")   \
    X(S_Q_пот_тсеть_ит, "S_Q_пот_тсеть_ит")   \
    X(Par_ит, "Par_ит")

struct ResultRow {
    static constexpr auto kNames =
        std::to_array<std::string_view>({KALVIK_STEAM_RESULT_COLUMNS(KALVIK_COLUMN_NAME)});
};
static_assert(eachNameOnce(ResultRow::kNames));
static_assert(ResultRow::kNames.size() == 58);

namespace res {
using C = Column<ResultRow>;
KALVIK_STEAM_RESULT_COLUMNS(KALVIK_COLUMN_CONSTANT)
}  // namespace res

}  // namespace kalvik::steam
