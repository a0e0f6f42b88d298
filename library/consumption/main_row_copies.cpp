// The new main row's first columns: copies of the source row, the tax rates, the period, and the
// coefficients that the heat formulas of the later phases use.

#include "library/consumption/phases.hpp"
#include "platform/oleaut/datetime.hpp"

namespace kalvik::consumption {

using oleaut::Variant;
namespace M = main_row;
namespace S = src;

namespace {

constexpr ColumnCopy<MainRow, SourceRow> kIdentity[] = {
    {M::NDOG, S::NDOG},   {M::Главная, S::Главная}, {M::Главная1, S::Главная1},
    {M::Nobkt, S::Nobkt}, {M::Npotr, S::Npotr},
};

constexpr ColumnCopy<MainRow, SourceRow> kPlaceTariffsTemperatures[] = {
    {M::Зона, S::Зона},
    {M::NN_ЦТП_сч, S::ЦТП},
    {M::Тнврасч, S::Тн},
    {M::Период_н_табл, S::Период_н},
    {M::Период_к_табл, S::Период_к},
    {M::NNтарифа, S::NTAX},
    {M::Тариф, S::Стоимость_1_Гкал},
    {M::ТарифЗаПодкл, S::Стоимость_1_Гкал_час},
    {M::ТарифВода, S::СтоимостьВоды_руб_т},
    {M::ТарифГВС, S::Стоим_Гкал_ГВС},
    {M::Кчел, S::QUS},
    {M::Км2, S::SROOM},
    {M::Тгр, S::Тгр},
    {M::Т1ц, S::Т1},
    {M::Т2ц, S::Т2},
    {M::Тгвц, S::Тгв},
    {M::Тхв, S::Тхв},
    {M::Тн, S::Тн},
};

constexpr ColumnCopy<MainRow, SourceRow> kCoefficients[] = {
    {M::K_Q_sn_ny, S::K_Q_sn_ny},
    {M::Кбал_G, S::Кбал_G},
    {M::K_G_sn_ny, S::K_G_sn_ny},
};

}  // namespace

void mainRowCopies(Run& run, ConsumerContext& c, MainRecordset& row) {
    SourceRecordset& s = run.source();
    const RunParameters& p = run.parameters();
    SourceCoefficients& k = c.coefficients;

    if (run.traits().designTemperatures == DesignTemperatures::FromSource) {
        k.Тнро_рт = s.number(S::Тнро_рт);
        k.Тнро_нач = s.number(S::Тнро_нач);
        k.Тхвот = s.number(S::Тхвот);
    } else {
        k.Тнро_рт = p.GorTnror;
        k.Тнро_нач = p.GorTnror_n_ot;
        k.Тхвот = p.GorTxv;
    }

    copyColumns(row, s, kIdentity);
    row.set(M::НДС_пар, p.D_NDS_p);
    row.set(M::Спец_налог_пар, p.D_Cpec_N_p);
    copyColumns(row, s, kPlaceTariffsTemperatures);

    k.Кбал_кот = s.number(S::Кбал_кот);
    k.K_Q_sn_ny = s.number(S::K_Q_sn_ny);
    k.Кбал_G = s.number(S::Кбал_G);
    k.K_G_sn_ny = s.number(S::K_G_sn_ny);
    copyColumns(row, s, kCoefficients);
    row.set(M::Год, static_cast<int16_t>(oleaut::Year(p.Кон)));
    row.set(M::Месяц, static_cast<int16_t>(oleaut::Month(p.Кон)));
    row.set(M::Т_гв_потр, s[S::Т_гв_потр]);

    k.Кцирк = s.number(S::Кцирк);
    row.set(M::Кцирк, k.Кцирк);

    // Each consumer's `R_tn_t12` takes the place of the parameter `tn_t12`; a method that does not
    // read it always copies the overheating coefficient.
    k.t12Switch = run.traits().readsT12Switch ? s.integer(S::R_tn_t12) : int16_t{0};
    row.set(M::Коэфф_Перетопа_Потр, k.t12Switch != 0 ? Variant(int16_t{1}) : s[S::Коэфф_Перетопа]);

    row.set(M::КциркМО, s[S::КциркМО]);
    k.КотоплМО = s.number(S::КотоплМО);
    k.Ot_leto = oleaut::isTrue(s[S::Ot_leto]);
    k.heatingSeasonКотоплМО = k.Ot_leto ? 1.0 : k.КотоплМО;

    row.set(M::К_Сн_ГВС, s[S::К_ГВС]);

    row.set(M::ПериодИзмПодкл, std::string());
    row.set(M::Ккот, k.Кбал_кот);
}

}  // namespace kalvik::consumption
