#pragma once
// One ventilation run: its period in hours, the source rows and both outage sets fetched before
// the loop, the result table of the variant, and the unit loop that builds one result row per
// unit from the phases (ventilation_phases.hpp). The run alone holds what the phases read and
// passes each what it needs.

#include <cstdint>
#include <memory>
#include <string>

#include "library/com/iras_vent.hpp"
#include "library/com/iras_vrem.hpp"
#include "library/com/service.hpp"
#include "library/services/appending_table.hpp"
#include "library/services/journal_text.hpp"
#include "library/services/result_rounding.hpp"
#include "library/services/run_database.hpp"
#include "library/services/run_period.hpp"
#include "library/ventilation_steam/ventilation_parameters.hpp"
#include "library/ventilation_steam/ventilation_phases.hpp"

namespace kalvik {
class RowProgress;
}  // namespace kalvik

namespace kalvik::ventilation {

class Run {
  public:
    // `self` is the calling object: the run reaches the specific-load functions through it.
    Run(IRas_Vent& self, RunParameters parameters);
    ~Run();
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

    // The whole run. The first failure ends it with an error that names the unit; the unit's
    // pending row is dropped, earlier rows stay saved, a progress window shown is closed.
    void execute();

  private:
    void start();
    [[nodiscard]] bool fetchSource();
    void openOutageSets();
    void unitLoop();
    void unitRow(const std::string& unitNumber);
    void unitEnd(int32_t rowsDone);
    void end();

    IRas_Vent& self_;
    const RunParameters parameters_;
    const ResultRounding rounding_;
    RunPeriod period_;

    RunDatabase database_;
    Service<IRas_Vrem> rasVrem_;

    SourceRecordset source_;
    int32_t sourceCount_ = 0;
    OutageSets outages_;
    AppendingTable<ResultRow> results_;

    std::unique_ptr<RowProgress> progress_;  // none when the method shows no window
    PhaseClock clock_;
};

}  // namespace kalvik::ventilation
