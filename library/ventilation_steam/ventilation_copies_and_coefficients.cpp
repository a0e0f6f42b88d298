// The new row's copied columns, its period, and the unit's coefficients.

#include "library/services/row_fields.hpp"
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

void identityColumns(SourceRecordset& unit, ResultRecordset& row) {
    copyColumns(row, unit, kIdentityCopies);
}

UnitCoefficients unitCoefficients(SourceRecordset& unit, const RunRules& rules) {
    UnitCoefficients k;
    k.Кбал_кот = unit.number(S::Кбал_кот);
    k.K_Q_sn_ny = unit.number(S::K_Q_sn_ny);
    k.Кбал_G = unit.number(S::Кбал_G);
    k.K_G_sn_ny = unit.number(S::K_G_sn_ny);
    k.Кцирк = unit.number(S::Кцирк);
    k.КциркМО = unit.number(S::КциркМО);
    k.Коэфф_Перетопа = unit.number(S::Коэфф_Перетопа);
    k.КотоплМО = unit.number(S::КотоплМО);
    // Kept as found: read as a number for every unit, so that a Null fails, and not used further.
    [[maybe_unused]] const double reduction = unit.number(S::Коэфф_Сниж);
    const bool summer = oleaut::isTrue(unit[S::Vent_leto]);
    k.heatingMultiplier = summer && rules.summerMultiplierIsOne ? 1.0 : k.КотоплМО;
    return k;
}

void periodColumns(SourceRecordset& unit, ResultRecordset& row, oleaut::Date Нач,
                   oleaut::Date Кон) {
    row.set(R::ДатаРед, oleaut::Now());
    row.set(R::Период_н_табл, Нач);
    row.set(R::Период_к_табл, Кон);
    copyColumns(row, unit, kRegimeCopies);
}

}  // namespace kalvik::ventilation
