#pragma once
// One ventilation run: its period in hours, the source rows and both outage sets fetched before
// the loop, the result table, the services, and the unit loop whose pass calls the sub-steps in
// order (unit_pass.cpp). The sub-steps reach everything of the run through this object.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "library/com/iras_vent.hpp"
#include "library/com/iras_vrem.hpp"
#include "library/com/service.hpp"
#include "library/services/appending_table.hpp"
#include "library/services/bound_recordset.hpp"
#include "library/services/journal_text.hpp"
#include "library/services/run_database.hpp"
#include "library/services/run_period.hpp"
#include "library/ventilation_steam/ventilation_columns.hpp"
#include "library/ventilation_steam/ventilation_parameters.hpp"
#include "library/ventilation_steam/ventilation_unit_values.hpp"

namespace kalvik {
class RowProgress;
}  // namespace kalvik

namespace kalvik::ventilation {

using SourceRecordset = BoundRecordset<SourceRow>;
using OutageRecordset = BoundRecordset<OutageRow>;
using LongOutageRecordset = BoundRecordset<LongOutageRow>;
using ResultRecordset = BoundRecordset<ResultRow>;

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

    const RunParameters& parameters() const { return parameters_; }
    const RunPeriod& period() const { return period_; }
    const RunRules& rules() const { return parameters_.rules; }

    SourceRecordset& source() { return source_; }
    OutageRecordset& outageRows() { return outages_; }
    int32_t outageCount() const { return outageCount_; }
    // The filter that narrows the short outages to a unit, by the set opened.
    std::string_view outageFilter() const { return outageFilter_; }
    // False when the method counts no short outages in the run's variant.
    bool countsShortOutages() const;
    LongOutageRecordset& longOutageRows() { return longOutages_; }
    int32_t longOutageCount() const { return longOutageCount_; }
    ResultRecordset& resultRow() { return results_.rows(); }

    // `NN_вент` of the unit in hand, as the text of the per-unit filters and the label.
    const std::string& unitText() const { return unitText_; }

    IRas_Vrem& rasVrem() { return rasVrem_.get(); }
    IRas_Vent& self() { return self_; }

    // `Okryg` 0: the results are rounded.
    bool rounds() const { return parameters_.Okryg == 0; }
    // Under `Okryg` 0 a value rounded (halves to even) to `Q_znk`, `G_znk` or `Qpk_znk` decimals;
    // otherwise kept. A Null stays Null.
    oleaut::Variant roundQ(const oleaut::Variant& value) const;
    oleaut::Variant roundG(const oleaut::Variant& value) const;
    oleaut::Variant roundQpk(const oleaut::Variant& value) const;

  private:
    void start();
    bool fetchSource();
    void openOutageSets();
    void unitEnd(int32_t rowsDone);
    void unitLoop();
    void end();

    IRas_Vent& self_;
    RunParameters parameters_;
    RunPeriod period_;

    RunDatabase database_;
    Service<IRas_Vrem> rasVrem_;

    SourceRecordset source_;
    int32_t sourceCount_ = 0;
    OutageRecordset outages_;
    int32_t outageCount_ = 0;
    std::string_view outageFilter_;
    LongOutageRecordset longOutages_;
    int32_t longOutageCount_ = 0;
    AppendingTable<ResultRow> results_;

    std::unique_ptr<RowProgress> progress_;  // none when the method shows no window
    PhaseClock clock_;
    std::string unitText_;
};

}  // namespace kalvik::ventilation
