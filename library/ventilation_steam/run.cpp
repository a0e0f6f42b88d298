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

namespace kalvik::ventilation {

using oleaut::Variant;

Run::Run(IRas_Vent& self, RunParameters parameters)
    : self_(self), parameters_(std::move(parameters)) {}

Run::~Run() = default;

void Run::journal(const std::string& message) {
    openRst_->LogFileVs_FSB(parameters_.ConnString_Fin, message, std::string());
}

void Run::execute() {
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

void Run::openOutageSets() {
    const std::string& connection = parameters_.ConnString_Fin;
    forProcedure(kOutagesProcedure, [&] {
        openRst_->Open_RST_otkl_proc(outages_.object(), connection, std::string(kOutagesProcedure),
                                     outageCount_);
    });
    forProcedure(kLongOutagesProcedure, [&] {
        openRst_->Open_RST_otkl_proc(longOutages_.object(), connection,
                                     std::string(kLongOutagesProcedure), longOutageCount_);
    });
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
    progress_ = std::make_unique<RowProgress>(sourceCount_);
    while (!source_.eof()) {
        unitText_ = oleaut::CStr(source_[src::NN_вент]);
        const RunRules& r = rules();
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
        renewResultTable(progress_->row());
        progress_->endRow();
        source_.moveNext();
    }
}

void Run::end() {
    results_.close();
    source_.close();
    outages_.close();
    longOutages_.close();
    progress_->finish();
    progress_.reset();
    journal(journalEndLine(kTotalLabel, clock_.seconds()));
}

namespace {

Variant rounded(const RunParameters& p, const Variant& value, int16_t decimals) {
    return p.Okryg == 0 ? oleaut::Round(value, decimals) : value;
}

}  // namespace

Variant Run::roundQ(const Variant& value) const {
    return rounded(parameters_, value, parameters_.Q_znk);
}
Variant Run::roundG(const Variant& value) const {
    return rounded(parameters_, value, parameters_.G_znk);
}
Variant Run::roundQpk(const Variant& value) const {
    return rounded(parameters_, value, parameters_.Qpk_znk);
}

}  // namespace kalvik::ventilation
