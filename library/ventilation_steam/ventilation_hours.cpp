// The unit's hours: working hours, short and long outages, the share Доля, the outage hours as
// the row holds them and the net hours.

#include <algorithm>

#include "library/services/row_fields.hpp"
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
Hours workingHours(SourceRecordset& unit, oleaut::Date Нач, oleaut::Date Кон, IRas_Vrem& rasVrem) {
    if (equalsZero(unit[S::Qв_расч])) return 0;
    Variant first = Нач;
    Variant last = Кон;
    Variant weekly, mask, from, to;
    if (equalsZero(unit[S::АвтомВент])) {
        weekly = int16_t{24};
        mask = std::string("+++++++");
        from = int16_t{0};
        to = int16_t{24};
    } else {
        weekly = unit[S::Час_дн];
        mask = unit[S::Дни_неделю];
        from = unit[S::Нач_В];
        to = unit[S::Кон_В];
    }
    return number(rasVrem.ВремяРаботы(weekly, mask, from, to, first, last), "ВремяРаботы");
}

Hours shortOutageSum(OutageSets& outages, const std::string& unitNumber) {
    Hours sum = 0;
    if (!outages.shortCounted || outages.shortCount == 0) return sum;
    OutageRecordset& o = outages.shortRows;
    o.select(outages.shortFilter, unitNumber);
    for (; !o.eof(); o.moveNext())
        sum += o.number(O::ВентВр_откл_р);
    return sum;
}

// Each row's hours in the period count weighted by 1 less its `ВремПостВент` (fully when that is 1
// or Null). The weight starts at 1 for every row, so that the share does not depend on the order of
// the rows. A missing end runs to the end of the period; a missing start fails.
Hours longOutageHours(OutageSets& outages, const std::string& unitNumber, oleaut::Date Нач,
                      oleaut::Date Кон, IRas_Vrem& rasVrem) {
    Hours sum = 0;
    if (outages.longCount == 0) return sum;
    LongOutageRecordset& l = outages.longRows;
    l.select(kLongOutageFilter, unitNumber);
    for (; !l.eof(); l.moveNext()) {
        Variant start = l[L::ПотНачВент];
        Variant end = l[L::ПотКонВент];
        Variant first = Нач;
        Variant last = Кон;
        Hours h = 0;
        try {
            h = number(rasVrem.РасчВремДлитОткл(start, end, first, last), "РасчВремДлитОткл");
        } catch (const oleaut::Error& e) {
            if (start.isNull()) throw e.withContext("column " + std::string(L::ПотНачВент.name));
            throw;
        }
        if (h <= 0) continue;
        double weight = 1;
        const Variant unused = l[L::ВремПостВент];
        if (oleaut::isTrue(oleaut::ne(unused, int16_t{1})))
            weight = number(Variant(int16_t{1}) - unused, L::ВремПостВент.name);
        sum += h * weight;
    }
    return sum;
}

MonthShare monthShare(const RunPeriod& period, Hours longOutageHours) {
    return std::max(0.0, oleaut::quotient(period.periodHours - longOutageHours, period.monthHours));
}

Hours outageHours(Hours shortOutageSum, const RunRules& rules, const ResultRounding& rounding) {
    if (!rules.roundOutageHours) return shortOutageSum;
    return number(rounding.roundQ(Variant(shortOutageSum)), "ВрмОтклЧас");
}

// Short outages reduce only the net hours, long ones only the share.
Hours netHours(Hours working, Hours outage) {
    return std::max(0.0, working - outage);
}

// A revision takes the city's temperatures of its arguments and reads none of the unit's.
DesignTemperatures designTemperatures(SourceRecordset& unit, const RunRules& rules,
                                      const RevisionArguments& city) {
    if (rules.cityTemperatures) return {city.GorTnror, city.GorTnrvr, city.GorTnror_n_ot};
    DesignTemperatures t;
    t.Тнро_рт = unit.number(S::Тнро_рт);
    t.Тнрво = unit.number(S::Тнрво);
    t.Тнро_нач = unit.number(S::Тнро_нач);
    return t;
}

}  // namespace kalvik::ventilation
