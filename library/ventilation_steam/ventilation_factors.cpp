// The specific-load factors of the unit, through the calling object's own `ФРасчВент_Pr` or
// `ФРасчВентТ12`, each with copies of the fields so that nothing they write reaches the row; and
// the heating schedule at the ventilation design point that the T12 path and the revisions
// evaluate.

#include <array>
#include <string_view>

#include "library/services/row_fields.hpp"
#include "library/ventilation_steam/ventilation_phases.hpp"
#include "library/ventilation_steam/ventilation_specific_load.hpp"

namespace kalvik::ventilation {

using oleaut::Variant;
namespace S = src;

namespace {

// The arguments of one call, in interface order, with what each was taken from.
struct FactorArguments {
    static constexpr std::array<std::string_view, 18> kFrom = {
        "Qvr",  "Тн",   "Твн TVNUT", "Тнро_рт",    "Тнрво", "Тнро_нач",
        "Ткон", "Тнач", "АвтомВент", "QVENT26_pr", "PAR",   "Vent_leto",
        "Т1",   "Т2",   "Т1_р",      "Т2_р",       "Т1в",   "Т2в"};
    static constexpr std::array<std::string_view, 18> kArgument = {
        "Qvr",      "tn",  "tvn",       "tnro", "tnvr", "tnror_n_ot", "TK",  "tnach", "avtvetn",
        "Qvent_Pr", "PAR", "Vent_leto", "Т1",   "Т2",   "Т1р",        "Т2р", "Т1в",   "Т2в"};
    std::array<Variant, 18> v;

    // A failure caused by one argument names the column passed in it.
    template <class Call>
    double call(std::string_view firstColumn, Call f) {
        try {
            return number(f(), "specific-load factor");
        } catch (const ArgumentError& e) {
            std::string_view column = firstColumn;
            for (std::size_t i = 1; i < kArgument.size(); ++i)
                if (kArgument[i] == e.argument()) column = kFrom[i];
            throw e.cause().withContext("column " + std::string(column));
        }
    }
};

FactorArguments argumentsOf(SourceRecordset& s, const DesignTemperatures& t,
                            Column<SourceRow> first, const Variant& Т1в, const Variant& Т2в) {
    return {{s[first], s[S::Тн], s[S::Твн_TVNUT], Variant(t.Тнро_рт), Variant(t.Тнрво),
             Variant(t.Тнро_нач), s[S::Ткон], s[S::Тнач], s[S::АвтомВент], s[S::QVENT26_pr],
             s[S::PAR], s[S::Vent_leto], s[S::Т1], s[S::Т2], s[S::Т1_р], s[S::Т2_р], Т1в, Т2в}};
}

double byOutdoorRatio(IRas_Vent& self, SourceRecordset& s, const DesignTemperatures& t,
                      Column<SourceRow> first) {
    FactorArguments a = argumentsOf(s, t, first, Variant(), Variant());
    auto& v = a.v;
    return a.call(first.name, [&] {
        return self.ФРасчВент_Pr(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10],
                                 v[11]);
    });
}

double byNetworkRatio(IRas_Vent& self, SourceRecordset& s, const DesignTemperatures& t,
                      Column<SourceRow> first, const Variant& Т1в, const Variant& Т2в) {
    FactorArguments a = argumentsOf(s, t, first, Т1в, Т2в);
    auto& v = a.v;
    return a.call(first.name, [&] {
        return self.ФРасчВентТ12(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10],
                                 v[11], v[12], v[13], v[14], v[15], v[16], v[17]);
    });
}

// Supply and return temperatures of the heating schedule at the ventilation design temperature:
// indoor 18 there and at design, the heating design temperature, the unit's design supply and
// return, 95 entering the installation.
struct ScheduleAtDesign {
    Variant Т1в, Т2в;
};

ScheduleAtDesign scheduleAtVentilationDesign(SourceRecordset& s, const DesignTemperatures& t,
                                             IRas_Vrem& rasVrem) {
    Variant tv = int16_t{18}, tn = t.Тнрво, tvr = int16_t{18}, tnro = t.Тнро_рт;
    Variant t1r = s[S::Т1_р], t2r = s[S::Т2_р], t3r = int16_t{95};
    ScheduleAtDesign schedule;
    rasVrem.ТемперГрафик(tv, tn, tvr, tnro, t1r, t2r, t3r, schedule.Т1в, schedule.Т2в);
    return schedule;
}

}  // namespace

// Kept as found: its temperatures are not used, so that its only effect is to fail where the
// schedule cannot be evaluated (a heating design temperature of 18, the indoor one).
void revisionHeatingSchedule(SourceRecordset& unit, const DesignTemperatures& t,
                             const RunRules& rules, IRas_Vrem& rasVrem) {
    if (!rules.cityTemperatures) return;
    [[maybe_unused]] const ScheduleAtDesign unused = scheduleAtVentilationDesign(unit, t, rasVrem);
}

// The T12 path, for a unit whose `R_tn_t12` is not 0, measures against the heating schedule's
// temperatures at the ventilation design point; any other unit takes the outdoor ratio.
LoadFactors specificLoadFactors(SourceRecordset& unit, const DesignTemperatures& t,
                                const RunRules& rules, IRas_Vent& self, IRas_Vrem& rasVrem) {
    LoadFactors f;
    if (rules.t12PathPerUnit && unit.integer(S::R_tn_t12) != 0) {
        const ScheduleAtDesign d = scheduleAtVentilationDesign(unit, t, rasVrem);
        f.loss = byNetworkRatio(self, unit, t, S::Тпот_вент, d.Т1в, d.Т2в);
        f.load = byNetworkRatio(self, unit, t, S::Qв_расч, d.Т1в, d.Т2в);
        return f;
    }
    f.loss = byOutdoorRatio(self, unit, t, S::Тпот_вент);
    f.load = byOutdoorRatio(self, unit, t, S::Qв_расч);
    return f;
}

}  // namespace kalvik::ventilation
