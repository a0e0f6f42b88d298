#include "library/ventilation_steam/steam_run.hpp"

#include <utility>

#include "library/services/appending_selection.hpp"
#include "library/services/journal_text.hpp"
#include "library/services/procedure_command.hpp"
#include "library/ventilation_steam/steam_journal_lines.hpp"
#include "platform/ui/messages.hpp"

namespace kalvik::steam {

SteamRun::SteamRun(SteamParameters parameters)
    : parameters_(std::move(parameters)),
      variant_(chooseSteamVariant(parameters_.План, parameters_.Дог)) {}

void SteamRun::journal(const std::string& message) {
    openRst_->LogFileVs_FSB(parameters_.ConnString_Fin, message, std::string());
}

void SteamRun::execute() {
    const PhaseClock run;
    prepare();
    rowLoop();
    source_.release();
    result_.release();
    journal(totalLine(run.seconds()));
}

// The variant's rows as a disconnected copy (the command's connection is closed once they are
// read), then the result table for appending.
void SteamRun::prepare() {
    const std::string& connection = parameters_.ConnString_Fin;
    const PhaseClock phase;
    journal(startLine(variant_));
    try {
        ProcedureCommand command(connection, std::string(variant_.procedure));
        openRst_->Open_RST_otkl_Proc_Prm(command.command(), source_.object(), connection,
                                         sourceCount_);
        command.close();
    } catch (const oleaut::Error& e) {
        throw e.withContext("procedure " + std::string(variant_.procedure));
    }
    journal(preparedLine(sourceCount_, phase.seconds()));
    openResultTable();
}

void SteamRun::openResultTable() {
    int32_t empty = 0;
    try {
        openRst_->Open_RST_no_Otkl(result_.object(), parameters_.ConnString_Fin,
                                   appendingSelection(variant_.table, res::NNрасчТепл.name), empty);
    } catch (const oleaut::Error& e) {
        throw e.withContext("table " + std::string(variant_.table));
    }
}

void SteamRun::rowLoop() {
    if (sourceCount_ > 0) source_.recordset().MoveFirst();
    int32_t saved = 0;
    while (!source_.eof()) {
        try {
            buildRow();
        } catch (const oleaut::Error& e) {
            throw e.withContext("consumer " +
                                oleaut::CStr(oleaut::concat(source_[src::Npotr], "")));
        }
        ui::processPendingMessages();
        if (++saved % kRowsPerOpening == 0) {
            result_.release();
            openResultTable();
        }
        source_.moveNext();
    }
}

// One result row, phase by phase, saved by itself.
void SteamRun::buildRow() {
    const SteamParameters& p = parameters_;
    result_.addNew();
    identityColumns(source_, result_, p.Кон);
    const Ratios k = loadRatios(source_);
    steamTotals(source_, result_, k, p.G_znk);
    condensateTotals(source_, result_, k, p.G_znk);
    notReturnedCondensate(result_);
    requireSteamSums(source_, result_);
    returnedHeatTotals(source_, result_, k, p.Q_znk);
    steamHeat(source_, result_);
    closingCopies(source_, result_);
    result_.update();
}

}  // namespace kalvik::steam
