// Vent: the ventilation unit update and its older form. Both update the rows of `pr_vent_obn` in
// place (unit_update.cpp); they differ in how they open the rows, where the cold-water
// temperature comes from, and in the progress window and journal line that only the current
// method has.

#include "library/load_update/vent.hpp"

#include <memory>
#include <string>

#include "library/com/service.hpp"
#include "library/load_update/unit_update.hpp"
#include "library/services/journal_text.hpp"
#include "library/services/msgbox.hpp"
#include "library/services/procedure_command.hpp"
#include "library/services/row_progress.hpp"
#include "library/services/run_database.hpp"

namespace kalvik {

namespace {

constexpr std::string_view kUnitProcedure = "pr_vent_obn";
constexpr std::string_view kNoUnitsText = "Вентиляция отсутствует";
// Kept as found: the start text is prepared and never journalled.
constexpr std::string_view kStartLabel = "Обновление. CalculationVent. начало ";
constexpr std::string_view kEndLabel = "Обновление. CalculationVent. конец.  ";
constexpr std::string_view kCountLabel = "Кол-во - ";

}  // namespace

void Vent::CalculationVent(const std::string& ConnString_Fin, int16_t Qpk_znk) {
    PhaseClock clock;
    std::string journalText = journalLabel(kStartLabel);
    ProcedureCommand command(ConnString_Fin, std::string(kUnitProcedure));
    RunDatabase database(ConnString_Fin);
    Service<IFiz_par> fizPar;
    unit_update::UnitRecordset units;
    int32_t K_vo = 0;
    forProcedure(kUnitProcedure, [&] {
        database.openRst().Open_RST_Proc_Prm(command.command(), units.object(), ConnString_Fin,
                                             K_vo);
    });
    if (K_vo == 0) {
        MsgBox(std::string(kNoUnitsText));
    } else {
        RowProgress progress(K_vo);
        unit_update::updateUnits(units, {fizPar.get(), {}, Qpk_znk}, &progress);
        progress.finish();
    }
    units.release();
    journalText = std::string(kEndLabel) + std::string(kCountLabel) + std::to_string(K_vo);
    database.journal(journalEndLine(journalText, clock.seconds()));
}

void Vent::CalculationVent_old(const std::string& ConnString_Fin, int16_t Qpk_znk, double GorTxv) {
    Service<IFiz_par> fizPar;
    unit_update::UnitRecordset units;
    ado::Recordset& rows = units.recordset();
    forProcedure(kUnitProcedure, [&] {
        rows.ActiveConnection(oleaut::Variant(ConnString_Fin));
        rows.Source(oleaut::Variant(std::string(kUnitProcedure)));
        rows.Open({}, {}, ado::adOpenStatic, ado::adLockOptimistic, ado::adCmdStoredProc);
    });
    if (units.recordCount() == 0)
        MsgBox(std::string(kNoUnitsText));
    else
        unit_update::updateUnits(units, {fizPar.get(), {GorTxv}, Qpk_znk}, nullptr);
    units.release();
}

}  // namespace kalvik
