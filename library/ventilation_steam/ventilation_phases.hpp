#pragma once
// The phases of one ventilation unit, in the order the run calls them (Run::unitRow). Beside
// each: what it reads and what it gives, or which columns of the unit's new result row it writes.
// Every value of the unit is given by one phase and passed on by the run; `unit` is the unit's
// source row.

#include <cstdint>
#include <string>
#include <string_view>

#include "library/com/iras_vent.hpp"
#include "library/com/iras_vrem.hpp"
#include "library/services/bound_recordset.hpp"
#include "library/services/result_rounding.hpp"
#include "library/services/run_period.hpp"
#include "library/units/units.hpp"
#include "library/ventilation_steam/ventilation_columns.hpp"
#include "library/ventilation_steam/ventilation_parameters.hpp"
#include "library/ventilation_steam/ventilation_unit_values.hpp"
#include "platform/oleaut/variant.hpp"

namespace kalvik::ventilation {

using SourceRecordset = BoundRecordset<SourceRow>;
using OutageRecordset = BoundRecordset<OutageRow>;
using LongOutageRecordset = BoundRecordset<LongOutageRow>;
using ResultRecordset = BoundRecordset<ResultRow>;

// The outage sets of a run, opened before the unit loop and narrowed to each unit in turn.
struct OutageSets {
    OutageRecordset shortRows;
    int32_t shortCount = 0;
    std::string_view shortFilter;  // the filter of the set opened, followed by `NN_вент`
    bool shortCounted = true;      // false: a revision's contract run counts no short outage
    LongOutageRecordset longRows;
    int32_t longCount = 0;  // 0 also when the set is not opened
};

// Reads `Qв_расч`, `АвтомВент`, the unit's schedule, `Нач`, `Кон`. Gives the working hours.
[[nodiscard]] Hours workingHours(SourceRecordset& unit, oleaut::Date Нач, oleaut::Date Кон,
                                 IRas_Vrem& rasVrem);

// Reads the unit's short outages. Gives the sum of their hours.
[[nodiscard]] Hours shortOutageSum(OutageSets& outages, const std::string& unitNumber);

// Reads the unit's long outages, `Нач`, `Кон`. Gives their weighted hours.
[[nodiscard]] Hours longOutageHours(OutageSets& outages, const std::string& unitNumber,
                                    oleaut::Date Нач, oleaut::Date Кон, IRas_Vrem& rasVrem);

// Reads the period and month hours and the long-outage hours. Gives the share Доля.
[[nodiscard]] MonthShare monthShare(const RunPeriod& period, Hours longOutageHours);

// Reads the short-outage sum. Gives the outage hours, rounded where the method rounds them.
[[nodiscard]] Hours outageHours(Hours shortOutageSum, const RunRules& rules,
                                const ResultRounding& rounding);

// Reads the working and outage hours. Gives the net hours.
[[nodiscard]] Hours netHours(Hours working, Hours outage);

// Reads `Тнро_рт`, `Тнрво`, `Тнро_нач`, or a revision's city temperatures. Gives the design
// temperatures.
[[nodiscard]] DesignTemperatures designTemperatures(SourceRecordset& unit, const RunRules& rules,
                                                    const RevisionArguments& city);

// Reads the design temperatures, `Т1_р`, `Т2_р`. Gives nothing: a revision evaluates the heating
// schedule at the ventilation design point and uses none of it.
void revisionHeatingSchedule(SourceRecordset& unit, const DesignTemperatures& t,
                             const RunRules& rules, IRas_Vrem& rasVrem);

// Reads the identity and leak coefficients. Row: `NDOG` to `K_G_sn_ny`.
void identityColumns(SourceRecordset& unit, ResultRecordset& row);

// Reads the heat and leak coefficients, `Коэфф_Сниж`, `Vent_leto`. Gives the coefficients and
// the heating multiplier.
[[nodiscard]] UnitCoefficients unitCoefficients(SourceRecordset& unit, const RunRules& rules);

// Reads `Нач`, `Кон`, `Тнач`, `Ткон`, `АвтомВент`. Row: `ДатаРед` to `АвтоматВент`.
void periodColumns(SourceRecordset& unit, ResultRecordset& row, oleaut::Date Нач, oleaut::Date Кон);

// Reads the design temperatures and the unit's arguments of the specific-load functions. Gives
// the loss and load factors.
[[nodiscard]] LoadFactors specificLoadFactors(SourceRecordset& unit, const DesignTemperatures& t,
                                              const RunRules& rules, IRas_Vent& self,
                                              IRas_Vrem& rasVrem);

// Reads the load factor, the net hours, the coefficients, `Ут_Вент`, `Тнач`, `Тнрво`. Row:
// `Qвент12`, `Qвент26` (a revision's `Qвент12T12`, `Qвент26T12`), `Утвент12_п`, `Утвент26_п`,
// `Утечки_вент_м3`.
void heatAndLeaks(SourceRecordset& unit, ResultRecordset& row, double loadFactor, Hours net,
                  const UnitCoefficients& k, Celsius Тнрво, const RunRules& rules,
                  const ResultRounding& rounding);

// Reads the working and outage hours. Row: `ВрмРабЧас`, `ВрмОтклЧас`.
void hoursColumns(ResultRecordset& row, Hours working, Hours outage);

// Reads `Qв_расч`, `Дубль_Вент`, the share. Row: `Qвподкл`, `Qвподкл_корр`.
void connectedLoads(SourceRecordset& unit, ResultRecordset& row, MonthShare share,
                    const ResultRounding& rounding);

// Reads "Подкл с потерями", `Тпот_вент`, the share. Row: `ТПвподкл`, `ТПвподкл_корр` (a
// revision's `ТПвподклT12`).
void connectedLossLoad(SourceRecordset& unit, ResultRecordset& row, MonthShare share,
                       const RunRules& rules, const ResultRounding& rounding);

// Reads "Расчет с потерями", the loss factor, the net hours, the coefficients. Row: `Потери`,
// `Утечки_вент_м3` (a revision's `ПотериT12`).
void heatLostWithLeaks(SourceRecordset& unit, ResultRecordset& row, double lossFactor, Hours net,
                       const UnitCoefficients& k, const RunRules& rules,
                       const ResultRounding& rounding);

// Reads the row's heat, losses and leaks, the net hours, `План`, a revision's recalculation
// month. Row: `Pot_vent` to `Месяц_Прасч` (a revision's `Pot_vent12`, "Всего ГкалT12").
void totalsAndNotes(ResultRecordset& row, Hours net, int16_t План, const RunRules& rules,
                    const RevisionArguments& revision);

}  // namespace kalvik::ventilation
