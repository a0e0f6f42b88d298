// Heating heat, heating losses and heating leaks of a consumer's month.

#include "library/consumption/heating_heat.hpp"

#include "library/consumption/phases.hpp"
#include "library/consumption/row_rounding.hpp"
#include "library/services/products.hpp"
#include "library/services/row_fields.hpp"
#include "platform/oleaut/datetime.hpp"
#include "platform/oleaut/math.hpp"

namespace kalvik::consumption {

using oleaut::Variant;
namespace M = main_row;
namespace S = src;

double heatingRatio(int16_t t12Switch, const HeatingTemperatures& t, Celsius Тнро_рт) {
    if (t12Switch != 0) {
        const double Т1 = number(t.Т1, "Т1");
        const double Т2 = number(t.Т2, "Т2");
        const double Т1_р = number(t.Т1_р, "Т1_р");
        const double Т2_р = number(t.Т2_р, "Т2_р");
        return oleaut::quotient(Т1 - Т2, Т1_р - Т2_р);
    }
    const double Твн = number(t.Твн, "Твн TVNUT");
    const double Тн = number(t.Тн, "Тн");
    return oleaut::quotient(Твн - Тн, Твн - Тнро_рт);
}

double t12HeatingRatio(const HeatingTemperatures& t) {
    const Variant design = t.Т1_р - t.Т2_р;
    if (!oleaut::isTrue(oleaut::gt(design, int16_t{0}))) return 1;
    const double Т1 = number(t.Т1, "Т1");
    const double Т2 = number(t.Т2, "Т2");
    return (Т1 - Т2) / number(design, "Т1_р − Т2_р");
}

double heatingFactor(double ratio, const Variant& Тн, Celsius Тнро_нач, bool Ot_leto, double PAR,
                     double QHEAT26_pr) {
    double factor = 0;
    if (oleaut::isTrue(oleaut::lt(Тн, Тнро_нач)))
        factor = ratio;
    else
        factor = Ot_leto ? ratio : 0;
    if (factor < 0) factor = 0;

    if (PAR == 0) return factor * QHEAT26_pr;
    // Kept as found: a steam consumer whose `QHEAT26_pr` is 0 gets factor 1, as if the multiplier
    // 0 meant "none", where a water consumer's factor becomes 0.
    if (QHEAT26_pr == 0) return 1;
    return factor * QHEAT26_pr;
}

bool warmMonth(const Variant& Тн, const Variant& Твн) {
    return oleaut::isTrue(oleaut::ge(Тн, Твн));
}

Hours constructionHours(oleaut::Date Нач, oleaut::Date Кон, const Variant& start,
                        const Variant& end) {
    const oleaut::Date from =
        start.isNull() || oleaut::isTrue(oleaut::lt(start, Нач)) ? Нач : oleaut::CDate(start);
    const oleaut::Date to =
        end.isNull() || !oleaut::isTrue(oleaut::lt(end, Кон)) ? Кон : oleaut::CDate(end);
    const int64_t hours = oleaut::DateDiff("h", from, oleaut::addDays(to, 1));
    return hours < 0 ? 0 : static_cast<double>(hours);
}

namespace {

// A surcharge counts when it is a non-zero number; Null counts as 0.
bool surcharged(const Variant& percent) {
    return oleaut::isTrue(oleaut::ne(percent, int16_t{0}));
}

double surchargeFactor(const Variant& percent, const char* column, Hours hours, Hours monthHours) {
    return 1 + number(percent, column) * (hours / monthHours) / 100;
}

}  // namespace

ConstructionFactors constructionFactors(const Construction& construction, oleaut::Date Нач,
                                        oleaut::Date Кон, Hours monthHours) {
    ConstructionFactors factors;
    const Variant& percent = construction.Стр_проц;
    const Variant& connectionPercent = construction.Стр_проц_подкл;
    if (!surcharged(percent) && !surcharged(connectionPercent)) return factors;
    const Hours hours =
        constructionHours(Нач, Кон, construction.Дат_нач_стр, construction.Дат_кон_стр);
    if (surcharged(percent))
        factors.construction = surchargeFactor(percent, "Стр_проц", hours, monthHours);
    if (surcharged(connectionPercent))
        factors.connection =
            surchargeFactor(connectionPercent, "Стр_проц_подкл", hours, monthHours);
    return factors;
}

namespace {

// The heating figure by the network temperatures: no season, clamp, steam rule or warm month, and
// seven factors, without the overheating coefficient. The leak is rounded again with it.
Gcal t12HeatingHeat(Run& run, const ConsumerContext& c, MainRecordset& row,
                    const HeatingTemperatures& t, double construction) {
    SourceRecordset& s = run.source();
    const SourceCoefficients& k = c.coefficients;
    const double ratio = t12HeatingRatio(t);
    row.set(M::QотТ12, product(ratio, s[S::QHEAT26]));
    row.set(M::Птот_п_рТ12, product(ratio, s[S::Птот_п]));
    for (const Column<MainRow> column : {M::QотТ12, M::Птот_п_рТ12}) {
        row.set(column,
                product(row[column], c.netHours.heating, k.Кцирк, k.Кбал_кот, row[M::КциркМО],
                        k.heatingSeasonКотоплМО, construction, k.K_Q_sn_ny));
    }
    return roundLoad(run, row, {M::QотТ12, M::Птот_п_рТ12, M::Утот_п});
}

}  // namespace

// The phase: writes `Qот`, `Птот_п_р` and `Утот_п` (and where the method has it the figure by the
// network temperatures), keeps the construction factors and the final `Qот`.
void heatingHeat(Run& run, ConsumerContext& c, MainRecordset& row) {
    SourceRecordset& s = run.source();
    const RunParameters& p = run.parameters();
    const SourceCoefficients& k = c.coefficients;

    const HeatingTemperatures t{s[S::Тн], s[S::Твн_TVNUT], s[S::Т1],
                                s[S::Т2], s[S::Т1_р],      s[S::Т2_р]};
    const double ratio = heatingRatio(k.t12Switch, t, k.Тнро_рт);
    const double factor =
        heatingFactor(ratio, t.Тн, k.Тнро_нач, k.Ot_leto, c.PAR, s.number(S::QHEAT26_pr));
    row.set(M::Qот, product(factor, s[S::QHEAT26]));
    row.set(M::Птот_п_р, product(factor, s[S::Птот_п]));

    const ConstructionFactors construction = constructionFactors(
        {s[S::Стр_проц], s[S::Стр_проц_подкл], s[S::Дат_нач_стр], s[S::Дат_кон_стр]}, p.Нач, p.Кон,
        run.period().monthHours);
    c.heating.constructionFactor = construction.construction;
    c.heating.connectionConstructionFactor = construction.connection;

    if (warmMonth(t.Тн, t.Твн)) {
        row.set(M::Qот, int16_t{0});
        row.set(M::Птот_п_р, int16_t{0});
    }

    const Hours hours = c.netHours.heating;
    for (const Column<MainRow> column : {M::Qот, M::Птот_п_р}) {
        row.set(column, product(row[column], hours, k.Кцирк, k.Кбал_кот, row[M::КциркМО],
                                k.heatingSeasonКотоплМО, row[M::Коэфф_Перетопа_Потр],
                                construction.construction, k.K_Q_sn_ny));
    }
    row.set(M::Утот_п, product(s[S::Утот_п], hours, k.heatingSeasonКотоплМО,
                               construction.construction, k.Кбал_G, k.K_G_sn_ny));

    c.heating.Qот = roundLoad(run, row, {M::Qот, M::Птот_п_р, M::Утот_п});
    if (run.traits().t12Heating)
        c.heating.QотТ12 = t12HeatingHeat(run, c, row, t, construction.construction);
}

}  // namespace kalvik::consumption
