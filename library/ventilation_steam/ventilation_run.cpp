// The ventilation run as a whole: its period in hours, the source and outage sets, the result
// table of the variant, the unit loop with one saved row per unit, and the journal lines.

#include "library/ventilation_steam/ventilation_run.hpp"

#include <utility>

#include "library/services/procedure_command.hpp"
#include "library/services/row_progress.hpp"
#include "library/ventilation_steam/ventilation_journal_lines.hpp"
#include "library/ventilation_steam/ventilation_variant.hpp"
#include "platform/ui/messages.hpp"

namespace kalvik::ventilation {

Run::Run(IRas_Vent& self, RunParameters parameters)
    : self_(self),
      parameters_(std::move(parameters)),
      rounding_(roundingOf(parameters_)),
      database_(parameters_.ConnString_Fin),
      results_(database_, resultTable(parameters_.План, parameters_.Дог), kResultKey,
               TableNamedAs::Procedure) {}

Run::~Run() = default;

void Run::execute() {
    requireBillablePeriod(parameters_.Нач, parameters_.Кон);
    start();
    if (!fetchSource()) return;
    openOutageSets();
    results_.open();
    unitLoop();
    end();
}

// Period hours, month hours and the start line. The month hours are converted to a 16-bit integer,
// as the run keeps them; the consumption run takes them as a number.
void Run::start() {
    clock_.restart();
    oleaut::Date last = parameters_.Кон;
    const int16_t monthHours = integer(rasVrem_->Час_в_месяц(last), "Час_в_месяц");
    period_ = runPeriod(parameters_.Нач, parameters_.Кон, monthHours);
    database_.journal(journalLabel(kStartLabel));
}

// The unit rows; false, with its journal line, when there are none.
bool Run::fetchSource() {
    sourceCount_ =
        database_.openThroughCommand(source_, kSourceProcedure, {planParameter(parameters_.План)});
    if (sourceCount_ > 0) return true;
    source_.close();
    database_.journal(journalLabel(kEmptyLabel));
    return false;
}

// A revision's plan or contract run takes the plan outages and no long outages, and its contract
// run counts no short outage though the set is opened; any other run the actual short and long
// outages.
void Run::openOutageSets() {
    const RunRules& rules = parameters_.rules;
    const bool revision = rules.outages == OutageRule::PlanSetNoneForContract;
    const bool plan = revision && parameters_.План != 0;
    outages_.shortFilter = plan ? kPlanOutageFilter : kOutageFilter;
    outages_.shortCounted = !revision || !isContract(parameters_.Дог);
    outages_.shortCount = database_.openProcedure(outages_.shortRows,
                                                  plan ? kPlanOutagesProcedure : kOutagesProcedure);
    if (!plan)
        outages_.longCount = database_.openProcedure(outages_.longRows, kLongOutagesProcedure);
}

void Run::unitLoop() {
    source_.recordset().MoveFirst();
    const RunRules& r = parameters_.rules;
    if (r.progressWindow) progress_ = std::make_unique<RowProgress>(sourceCount_);
    int32_t rowsDone = 0;
    while (!source_.eof()) {
        const std::string unitNumber = oleaut::CStr(source_[src::NN_вент]);
        if (progress_)
            progress_->beginRow(r.unitInLabel ? std::string(r.progressLabel) + unitNumber
                                              : std::string(r.progressLabel));
        try {
            unitRow(unitNumber);
        } catch (const oleaut::Error& e) {
            results_.rows().cancelUpdate();
            throw e.withContext("unit " + unitNumber);
        } catch (...) {
            results_.rows().cancelUpdate();
            throw;
        }
        unitEnd(++rowsDone);
        source_.moveNext();
    }
}

// The unit's hours, then its new row filled phase by phase and saved by itself.
void Run::unitRow(const std::string& unitNumber) {
    const RunParameters& p = parameters_;
    const RunRules& rules = p.rules;
    IRas_Vrem& rasVrem = rasVrem_.get();
    SourceRecordset& unit = source_;

    const Hours working = workingHours(unit, p.Нач, p.Кон, rasVrem);
    const Hours shortOutages = shortOutageSum(outages_, unitNumber);
    const Hours longOutages = longOutageHours(outages_, unitNumber, p.Нач, p.Кон, rasVrem);
    const MonthShare share = monthShare(period_, longOutages);
    const Hours outage = outageHours(shortOutages, rules, rounding_);
    const Hours net = netHours(working, outage);
    const DesignTemperatures t = designTemperatures(unit, rules, p.revision);
    revisionHeatingSchedule(unit, t, rules, rasVrem);

    ResultRecordset& row = results_.rows();
    row.addNew();
    identityColumns(unit, row);
    const UnitCoefficients k = unitCoefficients(unit, rules);
    periodColumns(unit, row, p.Нач, p.Кон);
    const LoadFactors factors = specificLoadFactors(unit, t, rules, self_, rasVrem);
    heatAndLeaks(unit, row, factors.load, net, k, t.Тнрво, rules, rounding_);
    hoursColumns(row, working, outage);
    connectedLoads(unit, row, share, rounding_);
    connectedLossLoad(unit, row, share, rules, rounding_);
    heatLostWithLeaks(unit, row, factors.loss, net, k, rules, rounding_);
    totalsAndNotes(row, net, p.План, rules, p.revision);
    row.update();
}

// After the unit's row is saved: pending window messages, then the bar moves on; without a window
// the messages alone.
void Run::unitEnd(int32_t rowsDone) {
    results_.renewAfter(rowsDone);
    if (progress_)
        progress_->endRow();
    else
        ui::processPendingMessages();
}

void Run::end() {
    results_.close();
    source_.close();
    outages_.shortRows.close();
    outages_.longRows.close();
    if (progress_) progress_->finish();
    progress_.reset();
    database_.journal(journalEndLine(kTotalLabel, clock_.seconds()));
}

}  // namespace kalvik::ventilation
