// The ventilation run as a whole: its period in hours, the source and outage sets, the result
// table of the variant, the unit loop with one saved row per unit, and the journal lines.

#include "library/ventilation_steam/ventilation_run.hpp"

#include <utility>

#include "library/services/procedure_command.hpp"
#include "library/services/row_progress.hpp"
#include "library/ventilation_steam/ventilation_journal_lines.hpp"
#include "library/ventilation_steam/ventilation_phases.hpp"
#include "library/ventilation_steam/ventilation_variant.hpp"
#include "platform/ui/messages.hpp"

namespace kalvik::ventilation {

using oleaut::Variant;

Run::Run(IRas_Vent& self, RunParameters parameters)
    : self_(self),
      parameters_(std::move(parameters)),
      database_(parameters_.ConnString_Fin),
      results_(database_, resultTable(parameters_.План, parameters_.Дог), kResultKey,
               TableNamedAs::Procedure) {}

Run::~Run() = default;

void Run::execute() {
    requireForwardPeriod(parameters_.Нач, parameters_.Кон);
    start();
    if (!fetchSource()) return;
    openOutageSets();
    results_.open();
    unitLoop();
    end();
}

// Period hours, month hours (a 16-bit integer, as the run keeps it) and the start line.
void Run::start() {
    clock_.restart();
    oleaut::Date last = parameters_.Кон;
    const int16_t monthHours = integer(rasVrem().Час_в_месяц(last), "Час_в_месяц");
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

// A revision's plan or contract run takes the plan outages and no long outages; any other run the
// actual short and long outages.
void Run::openOutageSets() {
    const bool plan =
        rules().outages == OutageRule::PlanSetNoneForContract && parameters_.План != 0;
    outageFilter_ = plan ? kPlanOutageFilter : kOutageFilter;
    outageCount_ =
        database_.openProcedure(outages_, plan ? kPlanOutagesProcedure : kOutagesProcedure);
    if (!plan) longOutageCount_ = database_.openProcedure(longOutages_, kLongOutagesProcedure);
}

bool Run::countsShortOutages() const {
    return rules().outages != OutageRule::PlanSetNoneForContract || !isContract(parameters_.Дог);
}

void Run::unitLoop() {
    source_.recordset().MoveFirst();
    const RunRules& r = rules();
    if (r.progressWindow) progress_ = std::make_unique<RowProgress>(sourceCount_);
    int32_t rowsDone = 0;
    while (!source_.eof()) {
        unitText_ = oleaut::CStr(source_[src::NN_вент]);
        if (progress_)
            progress_->beginRow(r.unitInLabel ? std::string(r.progressLabel) + unitText_
                                              : std::string(r.progressLabel));
        try {
            unitPass(*this);
        } catch (const oleaut::Error& e) {
            results_.rows().cancelUpdate();
            throw e.withContext("unit " + unitText_);
        } catch (...) {
            results_.rows().cancelUpdate();
            throw;
        }
        unitEnd(++rowsDone);
        source_.moveNext();
    }
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
    outages_.close();
    longOutages_.close();
    if (progress_) progress_->finish();
    progress_.reset();
    database_.journal(journalEndLine(kTotalLabel, clock_.seconds()));
}

Variant Run::roundQ(const Variant& value) const {
    return rounds() ? oleaut::Round(value, parameters_.Q_znk) : value;
}
Variant Run::roundG(const Variant& value) const {
    return rounds() ? oleaut::Round(value, parameters_.G_znk) : value;
}
Variant Run::roundQpk(const Variant& value) const {
    return rounds() ? oleaut::Round(value, parameters_.Qpk_znk) : value;
}

}  // namespace kalvik::ventilation
