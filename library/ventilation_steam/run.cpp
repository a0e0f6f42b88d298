// The ventilation run as a whole: its period in hours, the source and outage sets, the result
// table of the variant, the unit loop with one saved row per unit, and the journal lines.

#include "library/ventilation_steam/run.hpp"

#include <utility>

#include "library/services/appending_selection.hpp"
#include "library/services/procedure_command.hpp"
#include "library/services/row_progress.hpp"
#include "library/ventilation_steam/journal_lines.hpp"
#include "library/ventilation_steam/phases.hpp"
#include "library/ventilation_steam/variant_rule.hpp"
#include "platform/ui/messages.hpp"

namespace kalvik::ventilation {

using oleaut::Variant;

Run::Run(IRas_Vent& self, RunParameters parameters)
    : self_(self), parameters_(std::move(parameters)) {}

Run::~Run() = default;

void Run::journal(const std::string& message) {
    openRst_->LogFileVs_FSB(parameters_.ConnString_Fin, message, std::string());
}

void Run::execute() {
    requireForwardPeriod(parameters_.Нач, parameters_.Кон);
    start();
    if (!fetchSource()) return;
    openOutageSets();
    openResultTable();
    unitLoop();
    end();
}

// Period hours, month hours (a 16-bit integer, as the run keeps it) and the start line.
void Run::start() {
    clock_.restart();
    oleaut::Date last = parameters_.Кон;
    const int16_t monthHours = integer(rasVrem().Час_в_месяц(last), "Час_в_месяц");
    period_ = runPeriod(parameters_.Нач, parameters_.Кон, monthHours);
    journal(journalLabel(kStartLabel));
}

// The unit rows; false, with its journal line, when there are none.
bool Run::fetchSource() {
    const std::string& connection = parameters_.ConnString_Fin;
    forProcedure(kSourceProcedure, [&] {
        ProcedureCommand command(connection, std::string(kSourceProcedure),
                                 {planParameter(parameters_.План)});
        openRst_->Open_RST_otkl_Proc_Prm(command.command(), source_.object(), connection,
                                         sourceCount_);
    });
    if (sourceCount_ > 0) return true;
    source_.close();
    journal(journalLabel(kEmptyLabel));
    return false;
}

template <class Row>
void Run::openOutageSet(BoundRecordset<Row>& set, std::string_view procedure, int32_t& count) {
    forProcedure(procedure, [&] {
        openRst_->Open_RST_otkl_proc(set.object(), parameters_.ConnString_Fin,
                                     std::string(procedure), count);
    });
}

// A revision's plan or contract run takes the plan outages and no long outages; any other run the
// actual short and long outages.
void Run::openOutageSets() {
    const bool plan =
        rules().outages == OutageRule::PlanSetNoneForContract && parameters_.План != 0;
    outageFilter_ = plan ? kPlanOutageFilter : kOutageFilter;
    openOutageSet(outages_, plan ? kPlanOutagesProcedure : kOutagesProcedure, outageCount_);
    if (!plan) openOutageSet(longOutages_, kLongOutagesProcedure, longOutageCount_);
}

bool Run::countsShortOutages() const {
    return rules().outages != OutageRule::PlanSetNoneForContract || !isContract(parameters_.Дог);
}

void Run::openResultTable() {
    resultTable_ = std::string(resultTable(parameters_.План, parameters_.Дог));
    int32_t empty = 0;
    forProcedure(resultTable_, [&] {
        openRst_->Open_RST_no_Otkl(results_.object(), parameters_.ConnString_Fin,
                                   appendingSelection(resultTable_, kResultKey), empty);
    });
}

// A recordset keeps every row added to it. Opened afresh now and then, the result table holds
// only the last units' rows, so that a run's memory does not grow with its units.
void Run::renewResultTable(int32_t rowsDone) {
    if (rowsDone % kRowsPerOpening != 0) return;
    results_.release();
    openResultTable();
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
            results_.cancelUpdate();
            throw e.withContext("unit " + unitText_);
        } catch (...) {
            results_.cancelUpdate();
            throw;
        }
        unitEnd(++rowsDone);
        source_.moveNext();
    }
}

// After the unit's row is saved: pending window messages, then the bar moves on; without a window
// the messages alone.
void Run::unitEnd(int32_t rowsDone) {
    renewResultTable(rowsDone);
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
    journal(journalEndLine(kTotalLabel, clock_.seconds()));
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
