#include "library/ventilation_steam/steam_run.hpp"

#include <utility>

#include "library/services/journal_text.hpp"
#include "library/ventilation_steam/steam_journal_lines.hpp"
#include "platform/ui/messages.hpp"

namespace kalvik::steam {

SteamRun::SteamRun(SteamParameters parameters)
    : parameters_(std::move(parameters)),
      variant_(chooseSteamVariant(parameters_.План, parameters_.Дог)),
      database_(parameters_.ConnString_Fin),
      result_(database_, variant_.table, res::NNрасчТепл.name, TableNamedAs::Table) {}

void SteamRun::execute() {
    const PhaseClock run;
    prepare();
    rowLoop();
    source_.release();
    result_.release();
    database_.journal(totalLine(run.seconds()));
}

// The variant's rows as a disconnected copy (the command's connection is closed once they are
// read), then the result table for appending.
void SteamRun::prepare() {
    const PhaseClock phase;
    database_.journal(startLine(variant_));
    sourceCount_ = database_.openThroughCommand(source_, variant_.procedure, {});
    database_.journal(preparedLine(sourceCount_, phase.seconds()));
    result_.open();
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
        result_.renewAfter(++saved);
        source_.moveNext();
    }
}

// One result row, phase by phase, saved by itself.
void SteamRun::buildRow() {
    const SteamParameters& p = parameters_;
    ResultRecordset& row = result_.rows();
    row.addNew();
    identityColumns(source_, row, p.Кон);
    const Ratios k = loadRatios(source_);
    steamTotals(source_, row, k, p.G_znk);
    condensateTotals(source_, row, k, p.G_znk);
    notReturnedCondensate(row);
    requireSteamSums(source_, row);
    returnedHeatTotals(source_, row, k, p.Q_znk);
    steamHeat(source_, row);
    closingCopies(source_, row);
    row.update();
}

}  // namespace kalvik::steam
