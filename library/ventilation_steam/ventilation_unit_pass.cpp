// A unit's pass: hours first, then the new row filled sub-step by sub-step and saved by itself.

#include "library/ventilation_steam/ventilation_phases.hpp"

namespace kalvik::ventilation {

void unitPass(Run& run) {
    UnitValues u;
    workingHours(run, u);
    outageHours(run, u);
    longOutageHours(run, u);
    monthShare(run, u);
    netHours(run, u);
    designTemperatures(run, u);
    revisionHeatingSchedule(run, u);

    ResultRecordset& row = run.resultRow();
    row.addNew();
    rowStart(run, u, row);
    specificLoadFactors(run, u);
    heatAndLeaks(run, u, row);
    connectedLoads(run, u, row);
    lossCodes(run, u, row);
    totalsAndNotes(run, u, row);
    row.update();
}

}  // namespace kalvik::ventilation
