// The new row's copied columns and the unit's coefficients.

#include "library/ventilation_steam/ventilation_phases.hpp"
#include "platform/oleaut/datetime.hpp"

namespace kalvik::ventilation {

namespace S = src;
namespace R = result;

namespace {

// The identity and the leak coefficients, copied unchanged.
constexpr ColumnCopy<ResultRow, SourceRow> kIdentityCopies[] = {
    {R::NDOG, S::NDOG},           {R::Главная, S::Главная}, {R::Главная1, S::Главная1},
    {R::Nobkt, S::Nobkt},         {R::Npotr, S::Npotr},     {R::NNВентОснТабл, S::NN_вент},
    {R::K_Q_sn_ny, S::K_Q_sn_ny}, {R::Кбал_G, S::Кбал_G},   {R::K_G_sn_ny, S::K_G_sn_ny},
};

constexpr ColumnCopy<ResultRow, SourceRow> kRegimeCopies[] = {
    {R::Тнач, S::Тнач},
    {R::Ткон, S::Ткон},
    {R::АвтоматВент, S::АвтомВент},
};

}  // namespace

void rowStart(Run& run, UnitValues& u, ResultRecordset& row) {
    SourceRecordset& s = run.source();
    copyColumns(row, s, kIdentityCopies);

    u.Кбал_кот = s.number(S::Кбал_кот);
    u.K_Q_sn_ny = s.number(S::K_Q_sn_ny);
    u.Кбал_G = s.number(S::Кбал_G);
    u.K_G_sn_ny = s.number(S::K_G_sn_ny);
    u.Кцирк = s.number(S::Кцирк);
    u.КциркМО = s.number(S::КциркМО);
    u.Коэфф_Перетопа = s.number(S::Коэфф_Перетопа);
    u.КотоплМО = s.number(S::КотоплМО);
    // Kept as found: read as a number for every unit, so that a Null fails, and not used further.
    [[maybe_unused]] const double reduction = s.number(S::Коэфф_Сниж);
    const bool summer = oleaut::isTrue(s[S::Vent_leto]);
    u.heatingMultiplier = summer && run.rules().summerMultiplierIsOne ? 1.0 : u.КотоплМО;

    row.set(R::ДатаРед, oleaut::Now());
    row.set(R::Период_н_табл, run.parameters().Нач);
    row.set(R::Период_к_табл, run.parameters().Кон);
    copyColumns(row, s, kRegimeCopies);
}

}  // namespace kalvik::ventilation
