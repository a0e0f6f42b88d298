// The unit's hours: working hours, short and long outages, the share Доля and the net hours.

#include <algorithm>

#include "library/ventilation_steam/ventilation_phases.hpp"
#include "library/ventilation_steam/ventilation_variant.hpp"
#include "platform/oleaut/math.hpp"

namespace kalvik::ventilation {

using oleaut::Variant;
namespace S = src;
namespace O = outage;
namespace L = long_outage;

// A unit without load works no hours; a manual one (`АвтомВент` 0) round the clock; an
// automatic one by its own schedule. A Null load or flag counts as not 0.
void workingHours(Run& run, UnitValues& u) {
    SourceRecordset& s = run.source();
    if (equalsZero(s[S::Qв_расч])) {
        u.working = 0;
        return;
    }
    Variant first = run.parameters().Нач;
    Variant last = run.parameters().Кон;
    Variant weekly, mask, from, to;
    if (equalsZero(s[S::АвтомВент])) {
        weekly = int16_t{24};
        mask = std::string("+++++++");
        from = int16_t{0};
        to = int16_t{24};
    } else {
        weekly = s[S::Час_дн];
        mask = s[S::Дни_неделю];
        from = s[S::Нач_В];
        to = s[S::Кон_В];
    }
    u.working =
        number(run.rasVrem().ВремяРаботы(weekly, mask, from, to, first, last), "ВремяРаботы");
}

void outageHours(Run& run, UnitValues& u) {
    u.outage = 0;
    if (!run.countsShortOutages() || run.outageCount() == 0) return;
    OutageRecordset& o = run.outageRows();
    o.select(run.outageFilter(), run.unitText());
    for (; !o.eof(); o.moveNext())
        u.outage += o.number(O::ВентВр_откл_р);
}

// Each row's hours in the period count weighted by 1 less its `ВремПостВент` (fully when that is 1
// or Null). The weight starts at 1 for every row, so that the share does not depend on the order of
// the rows. A missing end runs to the end of the period; a missing start fails.
void longOutageHours(Run& run, UnitValues& u) {
    u.longOutage = 0;
    if (run.longOutageCount() == 0) return;
    LongOutageRecordset& l = run.longOutageRows();
    l.select(kLongOutageFilter, run.unitText());
    for (; !l.eof(); l.moveNext()) {
        Variant start = l[L::ПотНачВент];
        Variant end = l[L::ПотКонВент];
        Variant first = run.parameters().Нач;
        Variant last = run.parameters().Кон;
        Hours h = 0;
        try {
            h = number(run.rasVrem().РасчВремДлитОткл(start, end, first, last), "РасчВремДлитОткл");
        } catch (const oleaut::Error& e) {
            if (start.isNull()) throw e.withContext("column " + std::string(L::ПотНачВент.name));
            throw;
        }
        if (h <= 0) continue;
        double weight = 1;
        const Variant unused = l[L::ВремПостВент];
        if (oleaut::isTrue(oleaut::ne(unused, int16_t{1})))
            weight = number(Variant(int16_t{1}) - unused, L::ВремПостВент.name);
        u.longOutage += h * weight;
    }
}

void monthShare(Run& run, UnitValues& u) {
    const RunPeriod& p = run.period();
    u.share = std::max(0.0, oleaut::quotient(p.periodHours - u.longOutage, p.monthHours));
}

// Short outages reduce only the net hours, long ones only the share.
void netHours(Run& run, UnitValues& u) {
    if (run.rules().roundOutageHours)
        u.outage = number(run.roundQ(Variant(u.outage)), "ВрмОтклЧас");
    u.net = std::max(0.0, u.working - u.outage);
}

// A revision takes the city's temperatures of its arguments and reads none of the unit's.
void designTemperatures(Run& run, UnitValues& u) {
    if (run.rules().cityTemperatures) {
        const RevisionArguments& city = run.parameters().revision;
        u.Тнро_рт = city.GorTnror;
        u.Тнрво = city.GorTnrvr;
        u.Тнро_нач = city.GorTnror_n_ot;
        return;
    }
    SourceRecordset& s = run.source();
    u.Тнро_рт = s.number(S::Тнро_рт);
    u.Тнрво = s.number(S::Тнрво);
    u.Тнро_нач = s.number(S::Тнро_нач);
}

}  // namespace kalvik::ventilation
